#include "shared/FieldReader.h"

#include <utility>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// A whole decimal number with an optional sign; nullopt when the text is not one
// or does not fit 64 bits.
std::optional<int64_t> parseWhole(const QByteArray& text) {
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
    if (pos_ >= data_.size()) throw FieldError("the file ends before this field");

    if (data_[pos_] == '"') {
        const qsizetype start = pos_ + 1;
        qsizetype end = data_.indexOf('"', start);
        if (end < 0) end = data_.size();
        Raw field{data_.mid(start, end - start), true};
        pos_ = end < data_.size() ? end + 1 : end;
        skipSeparator();
        return field;
    }

    const qsizetype start = pos_;
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == ',' || isLineEnd(c) || (numeric && isBlank(c))) break;
        ++pos_;
    }
    Raw field{data_.mid(start, pos_ - start).trimmed(), false};
    skipSeparator();
    return field;
}

QString FieldReader::readString() { return QString::fromLocal8Bit(nextField(false).text); }

int64_t FieldReader::readInteger(int64_t min, int64_t max) {
    const Raw field = nextField(true);
    const std::optional<int64_t> value = field.quoted ? std::nullopt : parseWhole(field.text);
    if (!value) throw FieldError("not a whole number: " + field.text.left(40).toStdString());
    if (*value < min || *value > max)
        throw FieldError("number out of range: " + field.text.toStdString());
    return *value;
}

FieldValue FieldReader::readValue() {
    const Raw field = nextField(false);
    if (field.quoted) return QString::fromLocal8Bit(field.text);
    const QByteArray upper = field.text.toUpper();
    if (upper == "#TRUE#") return Truth{true};
    if (upper == "#FALSE#") return Truth{false};
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
