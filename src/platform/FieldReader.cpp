#include "platform/FieldReader.h"

#include <algorithm>
#include <bit>
#include <cstring>
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

// The value of the decimal digits that begin the eight bytes at `text`, and
// how many there are (0 to 8), all eight bytes at once: the digits of a
// number read one by one cost more than all else of a letter set's reading.
int leadingDigits(const char* text, int64_t& value) {
    uint64_t bytes = 0;
    std::memcpy(&bytes, text, sizeof bytes);
    static_assert(std::endian::native == std::endian::little);
    // Digits become 0 to 9 in their byte; any other byte is 10 or more, and
    // gets its top bit set below. A carry out of a byte that is no digit can
    // only mark bytes after it, which do not count.
    const uint64_t numbers = bytes ^ 0x3030303030303030;
    const uint64_t others = (numbers | (numbers + 0x7676767676767676)) & 0x8080808080808080;
    const int count = others == 0 ? 8 : std::countr_zero(others) / 8;
    if (count == 0) return 0;
    // The digits moved to the top, below them zeros that read as leading zeros,
    // then pairs, fours and the eight combined.
    uint64_t v = numbers << (8 * (8 - count));
    v = v * 10 + (v >> 8);
    v = (((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
         (((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
        32;
    value = static_cast<int64_t>(v);
    return count;
}

// One or two digits and the comma after them at `text`: how many bytes that
// takes, 0 when the text is not of that form.
int smallNumberAndComma(const char* text, int& value) {
    const unsigned first = static_cast<unsigned char>(text[0]) - unsigned{'0'};
    const unsigned second = static_cast<unsigned char>(text[1]) - unsigned{'0'};
    if (first > 9) return 0;
    if (second > 9) {
        if (text[1] != ',') return 0;
        value = static_cast<int>(first);
        return 2;
    }
    if (text[2] != ',') return 0;
    value = static_cast<int>(first * 10 + second);
    return 3;
}

QByteArrayView trimmedView(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

}  // namespace

FieldReader::FieldReader(QByteArray data) : data_(std::move(data)), view_(data_) {}

void FieldReader::skipBlanks() {
    while (pos_ < view_.size() && isBlank(view_[pos_])) ++pos_;
}

void FieldReader::skipSeparator() {
    skipBlanks();
    if (pos_ >= view_.size()) return;
    if (view_[pos_] == ',') {
        ++pos_;
    } else if (view_[pos_] == '\r') {
        ++pos_;
        if (pos_ < view_.size() && view_[pos_] == '\n') ++pos_;
    } else if (view_[pos_] == '\n') {
        ++pos_;
    }
}

FieldReader::Raw FieldReader::nextField(bool numeric) {
    // Blank lines between fields are as good as one line end.
    while (pos_ < view_.size() && (isBlank(view_[pos_]) || isLineEnd(view_[pos_]))) ++pos_;
    fieldStart_ = pos_;
    if (pos_ >= view_.size()) throw FieldError("the file ends before this field");

    if (view_[pos_] == '"') {
        const qsizetype start = pos_ + 1;
        const void* quote =
            std::memchr(view_.data() + start, '"', static_cast<size_t>(view_.size() - start));
        const qsizetype end = quote ? static_cast<const char*>(quote) - view_.data() : view_.size();
        const Raw field{view_.sliced(start, end - start), true};
        // Whatever stands between the closing quote and the separator belongs
        // to this field and is dropped, so it cannot shift the fields after it.
        pos_ = end;
        while (pos_ < view_.size() && view_[pos_] != ',' && !isLineEnd(view_[pos_])) ++pos_;
        skipSeparator();
        return field;
    }

    const qsizetype start = pos_;
    while (pos_ < view_.size()) {
        const char c = view_[pos_];
        if (c == ',' || isLineEnd(c) || (numeric && isBlank(c))) break;
        ++pos_;
    }
    const Raw field{trimmedView(view_.sliced(start, pos_ - start)), false};
    skipSeparator();
    return field;
}

bool FieldReader::atEnd() const {
    return std::all_of(view_.begin() + pos_, view_.end(),
                       [](char c) { return isBlank(c) || isLineEnd(c) || c == '\x1a'; });
}

QString FieldReader::readString() {
    return QString::fromLocal8Bit(nextField(false).text);
}

[[gnu::always_inline]] inline bool FieldReader::readPlainNumber(int64_t& result) {
    const char* const begin = view_.data();
    const char* const end = begin + view_.size();
    const char* p = begin + pos_;
    while (p < end && (isBlank(*p) || isLineEnd(*p))) ++p;
    const char* const start = p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    // Up to 18 digits cannot overflow; longer numbers take the careful road.
    const char* const digits = p;
    const char* const last = end - digits > 18 ? digits + 18 : end;
    int64_t value = 0;
    if (end - p >= 8) p += leadingDigits(p, value);
    while (p < last && static_cast<unsigned char>(*p - '0') < 10) value = value * 10 + (*p++ - '0');
    if (p == digits) return false;
    // The separator, as skipSeparator() takes it; written out here, since a
    // letter set has one after each of its hundreds of thousands of numbers.
    if (p < end) {
        if (*p == ',' || *p == '\n') {
            ++p;
        } else if (*p == '\r') {
            ++p;
            if (p < end && *p == '\n') ++p;
        } else if (isBlank(*p)) {
            pos_ = p - begin;
            skipSeparator();
            p = begin + pos_;
        } else {
            return false;
        }
    }
    fieldStart_ = start - begin;
    pos_ = p - begin;
    result = negative ? -value : value;
    return true;
}

bool FieldReader::readPixelFields(int16_t& x, int16_t& y, int32_t& colour) {
    // Sixteen bytes hold the longest such line; reading ahead needs no checks.
    if (view_.size() - pos_ < 16) return false;
    const char* const begin = view_.data();
    const char* p = begin + pos_;
    int first = 0, second = 0;
    const int firstTaken = smallNumberAndComma(p, first);
    if (firstTaken == 0) return false;
    p += firstTaken;
    const int secondTaken = smallNumberAndComma(p, second);
    if (secondTaken == 0) return false;
    p += secondTaken;
    const char* const last = p;
    int64_t value = 0;
    const int digits = leadingDigits(p, value);
    if (digits == 0 || (digits == 8 && static_cast<unsigned char>(p[8] - '0') < 10)) return false;
    p += digits;
    if (*p == ',' || *p == '\n') {
        ++p;
    } else if (*p == '\r') {
        ++p;
        if (*p == '\n') ++p;
    } else {
        return false;
    }
    x = static_cast<int16_t>(first);
    y = static_cast<int16_t>(second);
    colour = static_cast<int32_t>(value);
    fieldStart_ = last - begin;
    pos_ = p - begin;
    return true;
}

int64_t FieldReader::readInteger(int64_t min, int64_t max) {
    // Letter sets hold hundreds of thousands of plain numbers: read those
    // straight from the data.
    if (int64_t plain = 0; readPlainNumber(plain)) {
        if (plain < min || plain > max)
            throw FieldError("number out of range: " + std::to_string(plain));
        return plain;
    }
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
