#include "talvoren/stringhelpers.h"
#include "tests/support/commalocale.h"

#include <gtest/gtest.h>

#include <locale>

using namespace Talvoren;

TEST(StringNumbers, ReadLeadingNumberAndStop)
{
    EXPECT_EQ(toInt(std::wstring(L" 42abc")), 42);
    EXPECT_EQ(toInt(std::string("abc")), 0);
    EXPECT_EQ(toInt(std::string("2.5")), 2);
    EXPECT_EQ(toInt(irr::core::stringw(L"-17")), -17);
    EXPECT_EQ(toInt(std::string("")), 0);
    EXPECT_DOUBLE_EQ(toDouble(std::wstring(L"2.5"), 4), 2.5);
    EXPECT_DOUBLE_EQ(toDouble(std::string("x"), 4), 0.0);
    EXPECT_FLOAT_EQ(toFloat(std::wstring(L"-0.75;"), 2), -0.75f);
}

TEST(StringNumbers, IgnoreTheGlobalLocale)
{
    const testsupport::CommaDecimalLocale commaDecimals;
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    EXPECT_DOUBLE_EQ(toDouble(std::string("2.5"), 4), 2.5);
    EXPECT_DOUBLE_EQ(toDouble(std::wstring(L"0.125"), 4), 0.125);
    EXPECT_FLOAT_EQ(toFloat(std::wstring(L"-0.75"), 2), -0.75f);
    EXPECT_EQ(toInt(std::string("1.000")), 1) << "no thousands separator";
    EXPECT_EQ(toInt(std::wstring(L"1920")), 1920);
}

TEST(StringSplit, SeparatorAtPieceStartBelongsToThePiece)
{
    EXPECT_EQ(split(std::wstring(L"a b")), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(split(std::wstring(L"a  b")), (std::vector<std::wstring>{L"a", L" b"}));
    EXPECT_EQ(split(std::wstring(L"x ")), (std::vector<std::wstring>{L"x", L""}));
    EXPECT_EQ(split(std::wstring(L"")), (std::vector<std::wstring>{L""}));
    EXPECT_EQ(split(std::wstring(L" a")), (std::vector<std::wstring>{L" a"}));
    EXPECT_EQ(split(std::string("1,2,,3"), ','), (std::vector<std::string>{"1", "2", ",3"}));
    EXPECT_EQ(split(std::wstring(L"ombel log"), L' '), (std::vector<std::wstring>{L"ombel", L"log"}));
}

TEST(StringKeyValue, FieldsOfLanguageLines)
{
    const std::wstring line = L"lang=English,english";
    EXPECT_EQ(getKeyValueField(line, 0), L"lang");
    EXPECT_EQ(getKeyValueField(line, -3), L"lang");
    EXPECT_EQ(getKeyValueField(line, 1), L"English");
    EXPECT_EQ(getKeyValueField(line, 2), L"english");
    EXPECT_EQ(getKeyValueField(line, 3), L"");
    EXPECT_EQ(getKeyValueField(L"no equals", 0), L"no equals");
    EXPECT_EQ(getKeyValueField(L"no equals", 1), L"EGT_OUT_OF_RANGE");
    EXPECT_EQ(getKeyValueField(L"key=", 1), L"");
}

TEST(StringKeyValue, QuotedFieldsHoldCommas)
{
    const std::wstring line = L"lang=\"A, B\",next,last";
    EXPECT_EQ(getKeyValueField(line, 1), L"A, B");
    EXPECT_EQ(getKeyValueField(line, 2), L"next");
    EXPECT_EQ(getKeyValueField(line, 3), L"last");
    // A quotation mark not followed by a comma ends the walk.
    EXPECT_EQ(getKeyValueField(L"k=\"ab\"cd,e", 1), L"ab");
    EXPECT_EQ(getKeyValueField(L"k=\"ab\"cd,e", 2), L"");
}

TEST(StringClasses, Numbers)
{
    for (const wchar_t* yes : {L"12", L"-3", L"1.5", L"-", L"0"})
        EXPECT_TRUE(isNumber(yes)) << yes;
    for (const wchar_t* no : {L"1.", L".5", L"-.5", L"1.2.3", L"+1", L"", L"1-2", L"1a"})
        EXPECT_FALSE(isNumber(no)) << no;
}

TEST(StringClasses, IdentifiersDelimitersLetters)
{
    for (const wchar_t* yes : {L"$x1", L"a_b", L"A", L"$"})
        EXPECT_TRUE(isIdentifier(yes)) << yes;
    for (const wchar_t* no : {L"1a", L"_a", L"a$", L"", L"a-b"})
        EXPECT_FALSE(isIdentifier(no)) << no;
    for (wchar_t c : std::wstring(L" !%&()*+,-/:;<=>{|}"))
        EXPECT_TRUE(isDelimiter(c)) << static_cast<int>(c);
    for (wchar_t c : std::wstring(L"#$.\"_a0\t[]"))
        EXPECT_FALSE(isDelimiter(c)) << static_cast<int>(c);
    EXPECT_FALSE(isLetter(static_cast<wchar_t>(0xE4)));
    EXPECT_TRUE(isDigit(L'7'));
    EXPECT_FALSE(isDigitChar('a'));
}
