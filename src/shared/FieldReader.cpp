#include "shared/FieldReader.h"

#include <algorithm>
#include <utility>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// A whole decimal number with an optional sign; nullopt when the text is not one
// or does not fit 64 bits.
std::optional<int64_t> parseWhole(QByteArrayView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    // Accumulate negatively so INT64_MIN fits.
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        const int digit = c - '0';
        if (value < (INT64_MIN + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == INT64_MIN) return std::nullopt;
        value = -value;
    }
    return value;
}

QByteArrayView trimmedView(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

}  // namespace

FieldReader::FieldReader(QByteArray data) : data_(std::move(data)) {}

void FieldReader::skipBlanks() {
    while (pos_ < data_.size() && isBlank(data_[pos_])) ++pos_;
}

void FieldReader::skipSeparator() {
    skipBlanks();
    if (pos_ >= data_.size()) return;
    if (data_[pos_] == ',') {
        ++pos_;
    } else if (data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    } else if (data_[pos_] == '\n') {
        ++pos_;
    }
}

FieldReader::Raw FieldReader::nextField(bool numeric) {
    // Blank lines between fields are as good as one line end.
    while (pos_ < data_.size() && (isBlank(data_[pos_]) || isLineEnd(data_[pos_]))) ++pos_;
    fieldStart_ = pos_;
    if (pos_ >= data_.size()) throw FieldError("the file ends before this field");

    const QByteArrayView all(data_);
    if (data_[pos_] == '"') {
        const qsizetype start = pos_ + 1;
        qsizetype end = data_.indexOf('"', start);
        if (end < 0) end = data_.size();
        const Raw field{all.sliced(start, end - start), true};
        // Whatever stands between the closing quote and the separator belongs
        // to this field and is dropped, so it cannot shift the fields after it.
        pos_ = end;
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
        skipSeparator();
        return field;
    }

    const qsizetype start = pos_;
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == ',' || isLineEnd(c) || (numeric && isBlank(c))) break;
        ++pos_;
    }
    const Raw field{trimmedView(all.sliced(start, pos_ - start)), false};
    skipSeparator();
    return field;
}

QString FieldReader::readString() {
    return QString::fromLocal8Bit(nextField(false).text);
}

int64_t FieldReader::readInteger(int64_t min, int64_t max) {
    const Raw field = nextField(true);
    const std::optional<int64_t> value = field.quoted ? std::nullopt : parseWhole(field.text);
    if (!value)
        throw FieldError("not a whole number: " +
                         field.text.first(std::min<qsizetype>(field.text.size(), 40))
                             .toByteArray()
                             .toStdString());
    if (*value < min || *value > max)
        throw FieldError("number out of range: " + field.text.toByteArray().toStdString());
    return *value;
}

FieldValue FieldReader::readValue() {
    const Raw field = nextField(false);
    if (field.quoted) return QString::fromLocal8Bit(field.text);
    if (field.text.compare("#TRUE#", Qt::CaseInsensitive) == 0) return Truth{true};
    if (field.text.compare("#FALSE#", Qt::CaseInsensitive) == 0) return Truth{false};
    if (const std::optional<int64_t> number = parseWhole(field.text)) return *number;
    return QString::fromLocal8Bit(field.text);
}

bool toTruth(const FieldValue& value) {
    if (const auto* truth = std::get_if<Truth>(&value)) return truth->value;
    if (const auto* number = std::get_if<int64_t>(&value)) return *number != 0;
    throw FieldError("not a truth value");
}

int64_t toInteger(const FieldValue& value, int64_t min, int64_t max) {
    int64_t number = 0;
    if (const auto* truth = std::get_if<Truth>(&value))
        number = truth->value ? -1 : 0;
    else if (const auto* whole = std::get_if<int64_t>(&value))
        number = *whole;
    else
        throw FieldError("not a number");
    if (number < min || number > max) throw FieldError("number out of range");
    return number;
}
