#include "letters/FieldReader.h"

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

// The value of the decimal digits that begin the eight bytes at `text`, and
// how many there are (0 to 8), all eight bytes at once: the digits of a
// number read one by one cost more than all else of a letter set's reading.
int leadingDigits(const char* text, uint64_t& value) {
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
    value = v;
    return count;
}

bool isDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// The one reading of a whole decimal number with an optional sign, at `p`:
// the position after its last digit, or nullptr when no digit follows the
// sign or the number does not fit 64 bits. Eight digits at a time while
// eight bytes are left before `end`.
[[gnu::always_inline]] inline const char* readDecimal(const char* p, const char* end,
                                                      int64_t& value) {
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    const char* const digits = p;
    uint64_t magnitude = 0;
    if (end - p >= 8) p += leadingDigits(p, magnitude);
    for (; p < end && isDigit(*p); ++p) {
        // Below 10^18 another digit cannot wrap; at or above it the number
        // is past 64 bits anyway.
        if (magnitude >= 1'000'000'000'000'000'000ULL) return nullptr;
        magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
    }
    if (p == digits || magnitude > uint64_t{INT64_MAX} + (negative ? 1 : 0)) return nullptr;
    value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    return p;
}

// The one separator rule: past the comma, CR LF, CR or LF at `p`; `p`
// itself when none stands there.
[[gnu::always_inline]] inline const char* pastSeparator(const char* p, const char* end) {
    if (p == end) return p;
    if (*p == ',' || *p == '\n') return p + 1;
    if (*p == '\r') return p + 1 + (p + 1 < end && p[1] == '\n' ? 1 : 0);
    return p;
}

// A whole field as a number; nullopt when it is not one or does not fit.
std::optional<int64_t> parseWhole(QByteArrayView text) {
    int64_t value = 0;
    const char* const end = text.data() + text.size();
    if (text.isEmpty() || readDecimal(text.data(), end, value) != end) return std::nullopt;
    return value;
}

QByteArrayView trimmedView(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

}  // namespace

FieldReader::FieldReader(QByteArray data, Quotes quotes)
    : data_(std::move(data)), view_(data_), quotes_(quotes) {}

void FieldReader::skipBlanks() {
    while (pos_ < view_.size() && isBlank(view_[pos_])) ++pos_;
}

void FieldReader::skipSeparator() {
    skipBlanks();
    pos_ = pastSeparator(view_.data() + pos_, view_.data() + view_.size()) - view_.data();
}

FieldReader::Raw FieldReader::nextField(bool numeric) {
    // Blank lines between fields are as good as one line end.
    while (pos_ < view_.size() && (isBlank(view_[pos_]) || isLineEnd(view_[pos_]))) ++pos_;
    fieldStart_ = pos_;
    if (pos_ >= view_.size()) throw FieldError("the file ends before this field");

    if (view_[pos_] == '"') {
        const auto nextQuote = [this](qsizetype from) {
            const void* quote =
                std::memchr(view_.data() + from, '"', static_cast<size_t>(view_.size() - from));
            return quote ? static_cast<const char*>(quote) - view_.data() : view_.size();
        };
        const auto doubled = [this](qsizetype quote) {
            return quotes_ == Quotes::Doubled && quote + 1 < view_.size() &&
                   view_[quote + 1] == '"';
        };
        const qsizetype start = pos_ + 1;
        qsizetype end = nextQuote(start);
        Raw field{view_.sliced(start, end - start), true};
        if (doubled(end)) {
            // Each doubled quote stands for one.
            unquoted_.clear();
            qsizetype from = start;
            while (doubled(end)) {
                unquoted_ += view_.sliced(from, end + 1 - from);
                from = end + 2;
                end = nextQuote(from);
            }
            unquoted_ += view_.sliced(from, end - from);
            field.text = unquoted_;
        }
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
    const char* start = begin + pos_;
    while (start < end && (isBlank(*start) || isLineEnd(*start))) ++start;
    int64_t value = 0;
    const char* const last = readDecimal(start, end, value);
    if (last == nullptr) return false;
    // A number ends at the end, a separator or a blank; anything else makes
    // the field something else, which the careful road tells.
    const char* next = last;
    while (next < end && isBlank(*next)) ++next;
    const char* const after = pastSeparator(next, end);
    if (after == last && last < end) return false;
    fieldStart_ = start - begin;
    pos_ = after - begin;
    result = value;
    return true;
}

bool FieldReader::readPixelFields(int16_t& x, int16_t& y, int32_t& colour) {
    // Sixteen bytes hold the longest such line; reading ahead needs no checks.
    if (view_.size() - pos_ < 16) return false;
    const char* const begin = view_.data();
    const char* p = begin + pos_;
    uint64_t values[3] = {};
    // x and y: one or two digits and a comma each, told from three bytes;
    // the eight-byte digit reader made the whole read a quarter slower here.
    for (int k = 0; k < 2; ++k) {
        const unsigned tens = static_cast<unsigned char>(p[0]) - unsigned{'0'};
        const unsigned ones = static_cast<unsigned char>(p[1]) - unsigned{'0'};
        const bool two = ones < 10;
        if (tens > 9 || p[two ? 2 : 1] != ',') return false;
        values[k] = two ? tens * 10 + ones : tens;
        p += two ? 3 : 2;
    }
    const char* const last = p;
    const int digits = leadingDigits(p, values[2]);
    if (digits == 0 || (digits == 8 && isDigit(p[8]))) return false;
    p += digits;
    // Two bytes are there to look at, which spares the checks for the end.
    const char* const after = pastSeparator(p, p + 2);
    if (after == p) return false;
    x = static_cast<int16_t>(values[0]);
    y = static_cast<int16_t>(values[1]);
    colour = static_cast<int32_t>(values[2]);
    fieldStart_ = last - begin;
    pos_ = after - begin;
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
