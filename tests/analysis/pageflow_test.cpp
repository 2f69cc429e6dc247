#include <gtest/gtest.h>

#include <QStringList>

#include "analysis/dutycycle.h"
#include "analysis/pageflow.h"

namespace {

DutyTexts texts(std::initializer_list<const char *> values)
{
    DutyTexts t;
    size_t i = 0;
    for (const char *v : values)
        t[i++] = QString::fromLatin1(v);
    return t;
}

} // namespace

TEST(DutyCycle, TotalReadsEachTextAsAnIntegerPrefix)
{
    EXPECT_EQ(DutyTotal(DefaultDutyTexts()), 100);
    EXPECT_EQ(DutyTotal(texts({"1", "2", "9", "17", "24", "17", "13", "11", "6", "1"})), 101);
    EXPECT_EQ(DutyTotal(texts({"", " 50", "50.9", "-", "12abc", "-12", "", "", "", ""})), 100);
}

TEST(DutyCycle, OnlyTheFirstFiveCharactersCount)
{
    const DutyTexts copy = DutyWorkingCopy(texts({"1000000", "100", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(copy[0], QStringLiteral("10000"));
    EXPECT_EQ(copy[1], QStringLiteral("100"));
    EXPECT_EQ(DutyTotal(copy), 10100);
}

TEST(DutyCycle, MessageAndLabelNameTheSum)
{
    EXPECT_EQ(DutyTotalMessage(101),
              QStringLiteral("Total Duty Cycle Percentages should equal 100%\nPercentages entered currently equal: 101%"));
    EXPECT_EQ(DutyTotalLabelText(100), QStringLiteral("100%"));
    EXPECT_EQ(DutyTotalLabelText(95), QStringLiteral("95% (must equal 100%)"));
    EXPECT_EQ(DutyTotalLabelText(-3), QStringLiteral("-3% (must equal 100%)"));
}

TEST(PageFlow, ContinueAndGoBackStopAtTheEnds)
{
    EXPECT_EQ(PageAfterContinue(0), 1);
    EXPECT_EQ(PageAfterContinue(3), 4);
    EXPECT_EQ(PageAfterContinue(4), 4);
    EXPECT_EQ(PageAfterGoBack(4), 3);
    EXPECT_EQ(PageAfterGoBack(0), 0);
    const QStringList topics{"STEP1", "STEP2", "STEP4", "STEP5", "STEP6"};
    for (int page = 0; page < AnalysisPageCount; ++page)
        EXPECT_EQ(PageHelpTopic(page), topics[page]);
}

TEST(PageFlow, MethodButtonsOpenTheOverviewOfTheirMethodPerKind)
{
    struct Case
    {
        MethodButton button;
        int kind;
        std::optional<std::pair<int, int>> overview;
    };
    const Case cases[] = {
        {MethodButton::Line1, 1, std::nullopt},     {MethodButton::Line1, 2, std::nullopt},
        {MethodButton::Line2, 1, {{1, 1}}},         {MethodButton::Line2, 2, {{2, 1}}},
        {MethodButton::Line3, 1, {{1, 2}}},         {MethodButton::Line3, 2, {{2, 3}}},
        {MethodButton::Line4, 1, {{1, 3}}},         {MethodButton::Line4, 2, std::nullopt},
        {MethodButton::Custom1, 1, {{1, 4}}},       {MethodButton::Custom1, 2, {{2, 4}}},
        {MethodButton::Custom2, 1, {{1, 5}}},       {MethodButton::Custom2, 2, {{2, 5}}},
        {MethodButton::Line2, 0, std::nullopt},
    };
    for (const Case &c : cases) {
        const auto choice = MethodButtonOverview(c.button, c.kind);
        ASSERT_EQ(choice.has_value(), c.overview.has_value()) << static_cast<int>(c.button) << " kind " << c.kind;
        if (choice) {
            EXPECT_EQ(choice->kind, c.overview->first);
            EXPECT_EQ(choice->method, c.overview->second) << static_cast<int>(c.button) << " kind " << c.kind;
        }
    }
}

TEST(PageFlow, CaptionsAndDriveEfficiency)
{
    EXPECT_EQ(ApplicationCaption(1), QStringLiteral("Pelnix Veriro Zarired Uviduzudu, Active Project: Fan Application"));
    EXPECT_EQ(ApplicationCaption(2), QStringLiteral("Pelnix Veriro Zarired Uviduzudu, Active Project: Pump Application"));
    EXPECT_TRUE(ApplicationCaption(0).isEmpty());
    EXPECT_EQ(DriveEfficiencyText(0.97), QStringLiteral("97.00"));
    EXPECT_EQ(DriveEfficiencyText(0.9655), QStringLiteral("96.55"));
}
