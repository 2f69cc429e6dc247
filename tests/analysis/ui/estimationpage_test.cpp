#include <gtest/gtest.h>

#include <QTimer>

#include "analysiswindow.h"
#include "engine/ui/calcrep.h"

namespace {

struct OverviewCall
{
    bool shown = false;
    int kind = 0;
    int method = 0;
};

// Clicks a method button and records whether the overview opened and for what.
OverviewCall clickMethod(AnalysisWindow &w, TCALCREP &overview, const char *button)
{
    OverviewCall call;
    QTimer::singleShot(0, &overview, [&] {
        call.shown = overview.isVisible();
        call.kind = w.state.overviewKind;
        call.method = w.state.overviewMethod;
        overview.reject();
    });
    w.button(button)->click();
    QApplication::processEvents(); // a timer left over when no overview opened
    return call;
}

} // namespace

TEST(AnalysisEstimationPage, MethodButtonsOpenTheOverviewOfTheirMethod)
{
    struct Case
    {
        int kind;
        const char *button;
        int method;
    };
    const Case cases[] = {
        {1, "LINE2", 1}, {1, "LINE3", 2}, {1, "LINE4", 3}, {1, "LINECUSTOM1", 4}, {1, "LINECUSTOM2", 5},
        {2, "LINE2", 1}, {2, "LINE3", 3}, {2, "LINECUSTOM1", 4}, {2, "LINECUSTOM2", 5},
    };
    for (const Case &c : cases) {
        AnalysisWindow w(c.kind);
        w.state.options.custom1InUse = w.state.options.custom2InUse = true;
        TCALCREP overview(w.state);
        w.form->setOverviewWindow(&overview);
        w.show();
        w.pages()->setCurrentIndex(2);
        const OverviewCall call = clickMethod(w, overview, c.button);
        EXPECT_TRUE(call.shown) << c.button << " kind " << c.kind;
        EXPECT_EQ(call.kind, c.kind) << c.button;
        EXPECT_EQ(call.method, c.method) << c.button << " kind " << c.kind;
        EXPECT_TRUE(w.messages.shown().empty());
    }
}

TEST(AnalysisEstimationPage, NoControlTellsAndAWrongDutyCycleStopsTheOverview)
{
    AnalysisWindow w;
    TCALCREP overview(w.state);
    w.form->setOverviewWindow(&overview);
    w.show();
    w.messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(clickMethod(w, overview, "LINE1").shown);
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_EQ(w.messages.shown()[0].kind, MessageKind::Information);
    EXPECT_EQ(w.messages.shown()[0].text,
              QStringLiteral("No Speed Control: Energy Cost when the motor is running across the line."));

    w.field("A119")->setText(QStringLiteral("3"));
    w.messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(clickMethod(w, overview, "LINE3").shown);
    ASSERT_EQ(w.messages.shown().size(), 2u);
    EXPECT_TRUE(w.messages.shown()[1].text.endsWith(QStringLiteral("equal: 103%")));
}

TEST(AnalysisEstimationPage, FanPageShowsTheDefaultProject)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(2);
    const std::pair<const char *, const char *> expected[] = {
        {"FLOWM", "Payback Estimation: Fan Application "}, {"VAL1", "$103,184"}, {"VAL2", "$22,758"},
        {"VAL3", "$75,057"}, {"VAL4", "$56,204"}, {"VALUE1", "$80,425"}, {"VALUE2", "$52,299"},
        {"VALUE3", "$33,446"}, {"PAYBACKVALUE1", "   0.149 Years"}, {"PAYBACK2", "Outlet Damper"},
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(w.label(name)->text(), QString::fromLatin1(text)) << name;
    EXPECT_EQ(w.button("LINE3")->text(), QStringLiteral("Outlet Damper Control"));
    EXPECT_TRUE(w.button("LINE4")->isVisible());
    EXPECT_TRUE(w.label("VAL1")->alignment() & Qt::AlignRight);
    EXPECT_EQ(w.textColour(w.label("FLOWM")), QColor(Qt::red));
    EXPECT_EQ(w.textColour(w.label("PAYBACKVALUE1")), QColor(Qt::black));
    EXPECT_FALSE(w.button("LINECUSTOM1")->isVisible());
    EXPECT_FALSE(w.button("LINECUSTOM2")->isVisible());
}

TEST(AnalysisEstimationPage, PumpRowsHideAndCustomMethodsFollowTheOptions)
{
    AnalysisWindow w(2);
    w.state.options.custom2InUse = true;
    w.state.options.custom2Title = QStringLiteral("Fluid Coupling");
    w.state.options.table(EfficiencyTable::Custom2).fill(1.0);
    w.show();
    w.pages()->setCurrentIndex(2);
    for (const char *hidden : {"LINE4", "VAL4", "CONTROL3", "VALUE3", "LINECUSTOM1"})
        EXPECT_FALSE(w.child(hidden)->isVisible()) << hidden;
    EXPECT_EQ(w.button("LINE3")->text(), QStringLiteral("Throttling Valve Control"));
    EXPECT_TRUE(w.label("PAYBACK3")->text().isEmpty());
    EXPECT_TRUE(w.button("LINECUSTOM2")->isVisible());
    EXPECT_EQ(w.button("LINECUSTOM2")->text(), QStringLiteral("Fluid Coupling"));
    EXPECT_EQ(w.label("CONTROL5")->text(), QStringLiteral("Fluid Coupling"));
    EXPECT_TRUE(w.label("CONTROL4")->text().isEmpty());
    EXPECT_EQ(w.label("PAYBACKVALUE5")->text(), QStringLiteral("Never"));
    EXPECT_EQ(w.textColour(w.label("PAYBACKVALUE5")), QColor(Qt::red));

    // The option switched off shows at the next refresh.
    w.state.options.custom2InUse = false;
    w.form->RefreshResults();
    EXPECT_FALSE(w.button("LINECUSTOM2")->isVisible());
    EXPECT_TRUE(w.label("CONTROL5")->text().isEmpty());
}

TEST(AnalysisEstimationPage, ARefusedEstimationIsReportedAndStopsTheMove)
{
    AnalysisWindow w;
    w.show();
    w.state.options.table(EfficiencyTable::Damper)[3] = 0.0;
    w.messages.expect(MessageAnswer::Ok);
    w.button("BitBtn5")->click();
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_EQ(w.messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(w.page(), 0);
}

TEST(AnalysisEstimationPage, ARefusedEstimationAtTheShowIsReportedOnce)
{
    AnalysisWindow w;
    w.state.options.table(EfficiencyTable::InletVane)[0] = 0.0;
    w.messages.expect(MessageAnswer::Ok);
    w.show();
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_EQ(w.messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(w.page(), 0);
    EXPECT_TRUE(w.label("VAL1")->text().isEmpty()); // no results were written
}
