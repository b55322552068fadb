#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <variant>

// Reads the comma-separated fields of the settings file and of letter-set
// files. Fields are separated by commas or line ends (CR LF, CR or LF);
// blanks before a field are skipped; a field that begins with a double quote
// runs to the next double quote, which is not part of it (anything between
// that quote and the separator is dropped), or, in a format that says so, to
// the next quote that is not doubled; a number also ends at a blank.
// Text is in the system's 8-bit code page.
//
// Every read that cannot deliver what was asked throws FieldError: the file
// ended before the field, or the field is not a number of the right range.
class FieldError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Truth {
    bool value;
    bool operator==(const Truth&) const = default;
};

// An untyped field: #TRUE#/#FALSE#, a whole number, or any other text.
using FieldValue = std::variant<Truth, int64_t, QString>;

class FieldReader {
  public:
    // How a quoted field holds a double quote: not at all (letter sets,
    // whose old files hold """ for the label of the double quote), or
    // doubled (the settings file, whose paths may hold one).
    enum class Quotes { Ending, Doubled };

    explicit FieldReader(QByteArray data, Quotes quotes = Quotes::Ending);
    // The reader looks into its own copy of the data.
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;

    // The next field as text, whatever it holds.
    QString readString();
    // The next field's bytes, quotes taken off; valid until the next read.
    QByteArrayView readBytes() { return nextField(false).text; }
    // The next field as a whole decimal number in [min, max].
    int64_t readInteger(int64_t min, int64_t max);
    int16_t readInt16() { return static_cast<int16_t>(readInteger(INT16_MIN, INT16_MAX)); }
    int32_t readInt32() { return static_cast<int32_t>(readInteger(INT32_MIN, INT32_MAX)); }
    // Reads the three numbers of a letter set's pixel line "x,y,colour" in
    // one pass when the line has its usual form: x and y of one or two
    // digits, the colour of at most eight, then a line end or a comma, and
    // at least 16 bytes of data from its start. False, with nothing read,
    // for any other form, which the readers above take field by field.
    bool readPixelFields(int16_t& x, int16_t& y, int32_t& colour);
    // The next field, typed by its look.
    FieldValue readValue();

    // Whether only blanks, line ends and end-of-file marks (Ctrl+Z, which
    // old editors wrote) are left.
    bool atEnd() const;

    // Byte offset of the next unread character, for reports.
    qsizetype position() const { return pos_; }
    // Byte offset where the field read last (or failing last) begins.
    qsizetype fieldStart() const { return fieldStart_; }

  private:
    // A field's bytes, in data_ or in unquoted_.
    struct Raw {
        QByteArrayView text;
        bool quoted;
    };
    Raw nextField(bool numeric);
    // Reads the next field into `result` when it is a plain decimal number
    // that fits 64 bits; false (and nothing consumed) otherwise. Not an
    // optional: its flag, stored as a byte and loaded back as a word, stalled
    // every number of a letter set.
    bool readPlainNumber(int64_t& result);
    void skipBlanks();
    void skipSeparator();

    QByteArray data_;
    QByteArrayView view_;  // data_ read through const access, which never detaches
    Quotes quotes_;
    QByteArray unquoted_;  // the last quoted field that held doubled quotes, undoubled
    qsizetype pos_ = 0;
    qsizetype fieldStart_ = 0;
};

// The truth value a field converts to: a truth as itself, a number as
// "not zero". Text throws FieldError.
bool toTruth(const FieldValue& value);
// The whole number a field converts to, in [min, max]; #TRUE# is -1 and
// #FALSE# 0. Text or a number out of range throws FieldError.
int64_t toInteger(const FieldValue& value, int64_t min, int64_t max);
