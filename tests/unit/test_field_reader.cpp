#include <gtest/gtest.h>

#include "shared/FieldReader.h"

namespace {

TEST(FieldReader, QuotedFieldsKeepCommasBlanksAndLineBreaksInside) {
    FieldReader reader("\"a, b\",\"  two\r\nlines \",\"\",5\r\n");
    EXPECT_EQ(reader.readString(), "a, b");
    EXPECT_EQ(reader.readString(), "  two\r\nlines ");
    EXPECT_EQ(reader.readString(), "");
    EXPECT_EQ(reader.readInt16(), 5);
}

TEST(FieldReader, CommasLineEndsAndBlanksSeparateFieldsAlike) {
    // Every separator style in one go: CR LF, lone LF, lone CR, blank lines,
    // blanks before and after fields, tabs, and a number ended by a blank.
    FieldReader reader("  1 ,\t2\r\n\r\n   3\n4\r5 6,  \"x\"  ,\n\n  -7  \r\n");
    std::vector<int> numbers;
    for (int i = 0; i < 6; ++i) numbers.push_back(reader.readInt16());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(reader.readString(), "x");
    EXPECT_EQ(reader.readInt16(), -7);
    EXPECT_THROW(reader.readString(), FieldError);
}

TEST(FieldReader, TextAfterAClosingQuoteBelongsToThatField) {
    FieldReader reader("\"A\" capital,12,\"b\"\r\n13");
    EXPECT_EQ(reader.readString(), "A");
    EXPECT_EQ(reader.readInt16(), 12);
    EXPECT_EQ(reader.readString(), "b");
    EXPECT_EQ(reader.readInt16(), 13);
}

TEST(FieldReader, UnquotedTextRunsToTheSeparatorWithoutOuterBlanks) {
    FieldReader reader("  plain text here  ,next\r\n");
    EXPECT_EQ(reader.readString(), "plain text here");
    EXPECT_EQ(reader.readString(), "next");
}

TEST(FieldReader, SignedNumbersAtTheEdgesOfTheirRanges) {
    FieldReader reader("+32767,-32768,2147483647,-2147483648,-0,+0");
    EXPECT_EQ(reader.readInt16(), 32767);
    EXPECT_EQ(reader.readInt16(), -32768);
    EXPECT_EQ(reader.readInt32(), 2147483647);
    EXPECT_EQ(reader.readInt32(), INT32_MIN);
    EXPECT_EQ(reader.readInt16(), 0);
    EXPECT_EQ(reader.readInt16(), 0);
}

TEST(FieldReader, NumbersThatDoNotFitOrAreNotWholeNumbersFail) {
    for (const char* text : {"32768", "-32769", "99999999999999999999", "1.5", "0x10", "12a", "-",
                             "+", "\"5\"", ","}) {
        FieldReader reader(text);
        EXPECT_THROW(reader.readInt16(), FieldError) << text;
    }
    FieldReader wide("2147483648,-2147483649");
    EXPECT_THROW(wide.readInt32(), FieldError);
    EXPECT_THROW(wide.readInt32(), FieldError);
}

TEST(FieldReader, TheEndOfTheDataFailsTheNextFieldWherePossible) {
    FieldReader empty("");
    EXPECT_THROW(empty.readString(), FieldError);
    FieldReader blanks(" \t\r\n\r\n ");
    EXPECT_THROW(blanks.readInt16(), FieldError);
    // A quote left open runs to the end of the data.
    FieldReader open("\"never closed, at all");
    EXPECT_EQ(open.readString(), "never closed, at all");
    EXPECT_THROW(open.readString(), FieldError);
}

TEST(FieldReader, FieldStartPointsAtTheFieldThatFailed) {
    const QByteArray data = "1,2\r\n  40000,5";
    FieldReader reader(data);
    reader.readInt16();
    reader.readInt16();
    EXPECT_THROW(reader.readInt16(), FieldError);
    EXPECT_EQ(reader.fieldStart(), data.indexOf("40000"));
}

TEST(FieldReader, UntypedValuesAreTruthsNumbersOrText) {
    FieldReader reader("#TRUE#,#false#,-1,7,\"#TRUE#\",maybe");
    EXPECT_EQ(reader.readValue(), FieldValue(Truth{true}));
    EXPECT_EQ(reader.readValue(), FieldValue(Truth{false}));
    EXPECT_EQ(reader.readValue(), FieldValue(int64_t{-1}));
    EXPECT_EQ(reader.readValue(), FieldValue(int64_t{7}));
    EXPECT_EQ(reader.readValue(), FieldValue(QStringLiteral("#TRUE#")));
    EXPECT_EQ(reader.readValue(), FieldValue(QStringLiteral("maybe")));
}

TEST(FieldReader, ValuesConvertToTruthsAndRangedNumbers) {
    EXPECT_TRUE(toTruth(Truth{true}));
    EXPECT_FALSE(toTruth(int64_t{0}));
    EXPECT_TRUE(toTruth(int64_t{-5}));
    EXPECT_THROW(toTruth(QStringLiteral("yes")), FieldError);

    EXPECT_EQ(toInteger(Truth{true}, -1, 2), -1);
    EXPECT_EQ(toInteger(Truth{false}, 0, 2), 0);
    EXPECT_EQ(toInteger(int64_t{2}, 0, 2), 2);
    EXPECT_THROW(toInteger(int64_t{3}, 0, 2), FieldError);
    EXPECT_THROW(toInteger(Truth{true}, 0, 2), FieldError);
    EXPECT_THROW(toInteger(QStringLiteral("1"), 0, 2), FieldError);
}

}  // namespace
