#include "data/numberformat.h"
#include "data/textnumbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

struct ThousandsCase
{
    int decimals;
    float value;
    char separator;
    const char *expected;
};

class FormatThousandsTest : public ::testing::TestWithParam<ThousandsCase> {};

TEST_P(FormatThousandsTest, InsertsSeparatorsByValue)
{
    const ThousandsCase &c = GetParam();
    EXPECT_EQ(FormatThousands(c.decimals, c.value, QLatin1Char(c.separator)), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatThousandsTest,
    ::testing::Values(ThousandsCase{2, 1234567.891f, ',', "1,234,567.88"}, // single precision: 1234567.875 rounds up
                      ThousandsCase{2, 999.999f, ',', "1000.00"},          // below 1000: no separator
                      ThousandsCase{0, 17592186044416.0f, ',', "17592,186,044,416"},
                      ThousandsCase{0, -1234567.0f, ',', "-1,234,567"},
                      ThousandsCase{2, 1000.0f, ',', "1,000.00"},
                      ThousandsCase{2, -0.001f, ',', "-0.00"}, // sign decided before rounding
                      ThousandsCase{2, 1234.5f, '.', "1.234.50"}, // comma-decimal locale: point stays the decimal
                      ThousandsCase{0, 103183.578f, ',', "103,184"},
                      ThousandsCase{2, 0.0f, ',', "0.00"},
                      ThousandsCase{0, 999.5f, ',', "1000"},
                      ThousandsCase{1, 1485.12f, ',', "1,485.1"},
                      ThousandsCase{2, 1234567890.0f, ',', "1,234,567,936.00"}));

TEST(NumberSeparators, EqualSeparatorsBecomePointAndComma)
{
    const NumberSeparators same = NumberSeparators::fromPair(QLatin1Char(','), QLatin1Char(','));
    EXPECT_EQ(same.decimalSep, QLatin1Char('.'));
    EXPECT_EQ(same.thousandSep, QLatin1Char(','));

    const NumberSeparators german = NumberSeparators::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimalSep, QLatin1Char(','));
    EXPECT_EQ(german.thousandSep, QLatin1Char('.'));
    EXPECT_EQ(NumberSeparators::fromLocale(QLocale::c()).thousandSep, QLatin1Char(','));
}

TEST(FormatValueField, PadsToWidthAfterSemicolon)
{
    EXPECT_EQ(FormatValueField(0, 15, 24), QStringLiteral("24;") + QString(12, QLatin1Char(' ')));
    EXPECT_EQ(FormatValueField(2, 15, 0.1), QStringLiteral("0.10;") + QString(10, QLatin1Char(' ')));
    EXPECT_EQ(FormatValueField(0, 5, 1000000), QStringLiteral("1000000;")); // longer text is not cut
    EXPECT_EQ(PadRight(QStringLiteral("abc"), 2), QStringLiteral("abc"));
    EXPECT_EQ(PadRight(QString(), 7), QString(7, QLatin1Char(' ')));
}

struct RoundCase
{
    long double value;
    int decimals;
    const char *text;
};

class FixedTextTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(FixedTextTest, RoundsHalfAwayFromZeroOnTheDecimalExpansion)
{
    const RoundCase &c = GetParam();
    EXPECT_EQ(fixedText(c.value, c.decimals), QString::fromLatin1(c.text));
    EXPECT_EQ(roundViaText(c.value, c.decimals), std::strtod(c.text, nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    HalfCents, FixedTextTest,
    ::testing::Values(RoundCase{0.125L, 2, "0.13"},             // exactly half: away from zero
                      RoundCase{-0.125L, 2, "-0.13"},
                      RoundCase{0.124999L, 2, "0.12"},          // just below half
                      RoundCase{0.125001L, 2, "0.13"},          // just above half
                      RoundCase{2.675, 2, "2.67"},              // the double lies below the half
                      RoundCase{0.005, 2, "0.01"},              // the double lies above the half
                      RoundCase{1.005, 2, "1.00"},
                      RoundCase{0.004999999999999999999L, 2, "0.01"}, // half only within 18 digits
                      RoundCase{12.1421052631578947L, 2, "12.14"},
                      RoundCase{0.0L, 2, "0.00"},
                      RoundCase{-0.001L, 2, "0.00"},
                      RoundCase{99.995L, 2, "100.00"},
                      RoundCase{5e-20L, 2, "0.00"},
                      RoundCase{123456789012.345L, 0, "123456789012"},
                      RoundCase{0.9704999L, 3, "0.970"}));

TEST(FixedText, IgnoresTheCLocale)
{
    const char *old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(fixedText(1234.5L, 2), QStringLiteral("1234.50"));
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"1.5"), 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FixedText, NonFiniteValues)
{
    EXPECT_EQ(fixedText(INFINITY, 2), QStringLiteral("INF"));
    EXPECT_EQ(fixedText(NAN, 2), QStringLiteral("NAN"));
}

TEST(TextNumbers, ReadingRules)
{
    EXPECT_DOUBLE_EQ(readDecimalLenient(u""), 0);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"-"), 0);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"  12.5"), 12.5);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"-.5"), -0.5);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"5."), 5);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"1e3"), 1000);
    EXPECT_DOUBLE_EQ(readDecimalLenient(u"1e"), 1);

    EXPECT_FALSE(readDecimalStrict(u"abc"));
    EXPECT_FALSE(readDecimalStrict(u""));
    EXPECT_FALSE(readDecimalStrict(u"1.2.3"));
    EXPECT_FALSE(readDecimalStrict(u"1,5"));
    EXPECT_DOUBLE_EQ(*readDecimalStrict(u" 0.7683 "), 0.7683);
    EXPECT_DOUBLE_EQ(*readDecimalStrict(u"+1.5E-1"), 0.15);

    EXPECT_EQ(readIntegerPrefix(u""), 0);
    EXPECT_EQ(readIntegerPrefix(u"  17"), 17);
    EXPECT_EQ(readIntegerPrefix(u"-3x"), -3);
    EXPECT_EQ(readIntegerPrefix(u"12.7"), 12);
    EXPECT_EQ(readIntegerPrefix(u"99999999999"), 2147483647);
}

} // namespace
