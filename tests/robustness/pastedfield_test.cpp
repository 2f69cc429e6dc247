// Text pasted into the analysis window's numeric fields, at the rule level: whatever comes in,
// the value stored and the text left in the field lie within the parameter's limits.
#include "analysis/fieldrules.h"
#include "data/parameters.h"
#include "data/textnumbers.h"

#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PastedFieldText, EveryFieldClampsHostileText)
{
    ScriptedMessages messages;
    ParameterTable params;
    params.DefineParameters(messages);
    const QString texts[] = {QStringLiteral("1e999"), QStringLiteral("-1e999"), QStringLiteral("1e-999"),
                             QString(1 << 20, QLatin1Char('9')), QLatin1Char('-') + QString(1 << 20, QLatin1Char('9')),
                             QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-"), QStringLiteral("."),
                             QStringLiteral("1.2.3"), QStringLiteral("--5"), QStringLiteral("\u0661\u0662"),
                             QString(QChar(0)), QStringLiteral("3.4028236e38"), QStringLiteral("-3.4028236e38")};
    for (int pos = 1; pos <= params.count(); ++pos) {
        const ParameterDefinition &d = *params.at(pos);
        for (const QString &text : texts) {
            const std::string label = d.key().toStdString() + " <- " + text.left(12).toStdString();
            const float stored = StoredFieldValue(text, d);
            EXPECT_GE(stored, d.minimum) << label;
            EXPECT_LE(stored, d.maximum) << label;
            const RangeCheckOutcome left = CheckRangeOutcome(text, d);
            EXPECT_LE(left.text.size(), 10) << label;
            const auto back = readDecimalStrict(left.text);
            ASSERT_TRUE(back.has_value()) << label << " left " << left.text.toStdString();
            EXPECT_TRUE(std::isfinite(*back)) << label;
            EXPECT_GE(static_cast<float>(*back), d.minimum) << label;
            EXPECT_LE(static_cast<float>(*back), d.maximum) << label;
        }
    }
}

} // namespace
