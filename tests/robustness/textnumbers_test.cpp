// Text pasted into numeric fields and settings, at the edges of a double.
#include "data/textnumbers.h"

#include <QString>

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct Pasted
{
    const char *name;
    QString text;
    double lenient;
};

// Cases are named by their name in test listings and failures.
void PrintTo(const Pasted &c, std::ostream *os) { *os << c.name; }

class PastedNumber : public ::testing::TestWithParam<Pasted>
{};

TEST_P(PastedNumber, ReadsWithoutNaN)
{
    const Pasted &c = GetParam();
    const double v = readDecimalLenient(c.text);
    EXPECT_FALSE(std::isnan(v));
    EXPECT_EQ(v, c.lenient);
    if (const auto strict = readDecimalStrict(c.text)) {
        EXPECT_FALSE(std::isnan(*strict));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PastedNumber,
    ::testing::Values(Pasted{"Overflow", QStringLiteral("1e999"), Inf},
                      Pasted{"NegativeOverflow", QStringLiteral("-1e999"), -Inf},
                      Pasted{"Underflow", QStringLiteral("1e-999"), 0},
                      Pasted{"SmallMantissaLargeExponent", QStringLiteral("0.0001e400"), Inf},
                      Pasted{"LargeMantissaSmallExponent", QStringLiteral("12345e-400"), 0},
                      Pasted{"HugeExponentDigits", QStringLiteral("1e") + QString(100000, QLatin1Char('9')), Inf},
                      Pasted{"HugeNegativeExponentDigits", QStringLiteral("5e-") + QString(100000, QLatin1Char('9')), 0},
                      Pasted{"MegabyteOfDigits", QString(1 << 20, QLatin1Char('9')), Inf},
                      Pasted{"MegabyteOfZeros", QString(1 << 20, QLatin1Char('0')), 0},
                      Pasted{"MegabyteFractionUnderflow", QStringLiteral("0.") + QString(1 << 20, QLatin1Char('0')) + QLatin1Char('1'), 0},
                      Pasted{"MegabyteFractionReadable", QStringLiteral("2.") + QString(1 << 20, QLatin1Char('5')), 2.5555555555555554},
                      Pasted{"LargestDouble", QStringLiteral("1.7976931348623157e308"), 1.7976931348623157e308},
                      Pasted{"JustAboveTheLargest", QStringLiteral("1.8e308"), Inf},
                      Pasted{"NotANumberWord", QStringLiteral("nan"), 0}, Pasted{"InfinityWord", QStringLiteral("inf"), 0},
                      Pasted{"HexLooking", QStringLiteral("0x1p3"), 0},
                      Pasted{"FullWidthDigits", QStringLiteral("\uFF11\uFF12"), 0},
                      Pasted{"ArabicIndicDigits", QStringLiteral("\u0661\u0662"), 0},
                      Pasted{"LoneSignAndPoint", QStringLiteral("-."), 0},
                      Pasted{"Nul", QString(QChar(0)) + QStringLiteral("12"), 12}),
    [](const ::testing::TestParamInfo<Pasted> &info) { return std::string(info.param.name); });

TEST(PastedNumber, MegabyteOfDigitsIsQuick)
{
    const QString digits(1 << 20, QLatin1Char('7'));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(readDecimalLenient(digits), Inf);
    EXPECT_EQ(readIntegerPrefix(digits), 2147483647);
    EXPECT_EQ(readIntegerPrefix(QLatin1Char('-') + digits), -2147483647 - 1);
    EXPECT_EQ(readDecimalStrict(digits + QStringLiteral("x")), std::nullopt);
}

} // namespace
