#include <gtest/gtest.h>

#include <QTabBar>
#include <QTimer>

#include "analysiswindow.h"
#include "report/ui/dutychartview.h"
#include "setup/ui/setupdialog.h"

namespace {

const QString Message101 =
    QStringLiteral("Total Duty Cycle Percentages should equal 100%\nPercentages entered currently equal: 101%");

void enterDuty(AnalysisWindow &w, const std::array<const char *, 10> &values)
{
    for (int step = 0; step < 10; ++step) {
        const QByteArray name = QStringLiteral("A1%1").arg(10 + step).toLatin1();
        w.type(name.constData(), QString::fromLatin1(values[static_cast<size_t>(step)]));
        w.leaveTo(step < 9 ? QStringLiteral("A1%1").arg(11 + step).toLatin1().constData() : "A101");
    }
}

void clickTab(AnalysisWindow &w, int index)
{
    QTabBar *bar = w.pages()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

} // namespace

TEST(AnalysisPageFlow, ADutyTotalOf101TurnsRedAndRefusesTheMove)
{
    AnalysisWindow w;
    w.show();
    w.button("BitBtn5")->click();
    ASSERT_EQ(w.page(), 1);
    enterDuty(w, {"1", "2", "9", "17", "24", "17", "13", "11", "6", "1"});
    EXPECT_EQ(w.label("Label50")->text(), QStringLiteral("101% (must equal 100%)"));
    EXPECT_EQ(w.textColour(w.label("Label50")), QColor(Qt::red));
    EXPECT_FALSE(w.form->dutyChart()->barsBlue());
    EXPECT_TRUE(w.messages.shown().empty()); // leaving a field shows no box

    w.messages.expect(MessageAnswer::Ok);
    w.button("BitBtn2")->click();
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_EQ(w.messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(w.messages.shown()[0].text, Message101);
    EXPECT_EQ(w.messages.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(w.page(), 1);

    // Going back is refused the same way.
    w.messages.expect(MessageAnswer::Ok);
    w.button("ESCCANCEL")->click();
    EXPECT_EQ(w.messages.shown().size(), 2u);
    EXPECT_EQ(w.page(), 1);
}

TEST(AnalysisPageFlow, DutyResetRestoresTheDefaultsAndRefreshes)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    enterDuty(w, {"0", "0", "0", "0", "100", "0", "0", "0", "0", "1"});
    ASSERT_EQ(w.label("Label50")->text(), QStringLiteral("101% (must equal 100%)"));
    w.state.record.projectModified = false;
    w.state.page.field(QStringLiteral("VAL2")).text.clear();

    w.button("BitBtn19")->click();
    const char *defaults[] = {"1", "2", "9", "17", "24", "17", "13", "11", "6", "0"};
    for (int step = 0; step < 10; ++step)
        EXPECT_EQ(w.field(QStringLiteral("A1%1").arg(10 + step).toLatin1().constData())->text(),
                  QString::fromLatin1(defaults[step]));
    EXPECT_EQ(w.label("Label50")->text(), QStringLiteral("100%"));
    EXPECT_EQ(w.textColour(w.label("Label50")), QColor(Qt::black));
    EXPECT_TRUE(w.form->dutyChart()->barsBlue());
    EXPECT_EQ(w.label("VAL2")->text(), QStringLiteral("$22,758")); // refreshed
    EXPECT_FALSE(w.state.record.projectModified);
    EXPECT_TRUE(w.messages.shown().empty());
}

TEST(AnalysisPageFlow, ATabIsRefreshedOrRefusedBackToSystemDataWithOneMessage)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    w.typeAndLeave("A109", QStringLiteral("24000"), "A108");
    clickTab(w, 4);
    EXPECT_EQ(w.page(), 4);
    EXPECT_EQ(w.label("PAYBACKVALUE1")->text(), QStringLiteral("   0.298 Years")); // refreshed with the new cost

    clickTab(w, 1);
    ASSERT_EQ(w.page(), 1);
    w.typeAndLeave("A114", QStringLiteral("19"), "A115");
    EXPECT_EQ(w.label("Label50")->text(), QStringLiteral("95% (must equal 100%)"));
    w.messages.expect(MessageAnswer::Ok);
    clickTab(w, 4);
    EXPECT_EQ(w.page(), 1);
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_TRUE(w.messages.shown()[0].text.endsWith(QStringLiteral("equal: 95%")));
}

TEST(AnalysisPageFlow, ContinueAndGoBackWalkThePagesAndTheKeysPressThem)
{
    AnalysisWindow w;
    w.show();
    const char *continues[] = {"BitBtn5", "BitBtn2", "BitBtn8", "BitBtn13"};
    for (int page = 0; page < 4; ++page) {
        ASSERT_EQ(w.page(), page);
        EXPECT_TRUE(w.button(continues[page])->isDefault());
        w.button(continues[page])->click();
    }
    EXPECT_EQ(w.page(), 4);
    w.button("BitBtn3")->click();
    EXPECT_EQ(w.page(), 3);
    QTest::keyClick(w.form.get(), Qt::Key_Escape);
    QTest::qWait(300); // the Go Back button is pressed visibly
    EXPECT_EQ(w.page(), 2);
    QTest::keyClick(w.form.get(), Qt::Key_Return);
    EXPECT_EQ(w.page(), 3);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_TRUE(w.messages.shown().empty());

    w.pages()->setCurrentIndex(0);
    QTest::keyClick(w.form.get(), Qt::Key_Escape);
    QTest::qWait(300);
    EXPECT_FALSE(w.form->isVisible()); // Go Back on the first page closes the window
}

TEST(AnalysisPageFlow, HelpButtonsOpenTheTopicOfTheirPage)
{
    AnalysisWindow w;
    for (const char *name : {"BitBtn4", "Help", "BitBtn7", "BitBtn12", "BitBtn10"})
        w.button(name)->click();
    EXPECT_EQ(w.help.topics, QStringList({"STEP1", "STEP2", "STEP4", "STEP5", "STEP6"}));
}

TEST(AnalysisPageFlow, ShowOpensOnTheFirstPageWithTheCaptionOfTheApplication)
{
    AnalysisWindow w(2);
    EXPECT_EQ(w.form->windowTitle(), QStringLiteral("Fan & Pump Analysis using a Vendram Variable Frequency Drive"));
    w.pages()->setCurrentIndex(3);
    w.show();
    EXPECT_EQ(w.form->size(), QSize(775, 500).expandedTo(w.form->minimumSizeHint()));
    EXPECT_EQ(w.page(), 0);
    EXPECT_EQ(w.form->windowTitle(),
              QStringLiteral("Pelnix Veriro Zarired Uviduzudu, Active Project: Pump Application"));
    EXPECT_EQ(w.label("FLOWM")->text(), QStringLiteral("Payback Estimation: Pump Application "));
    const QStringList captions{"Customer Information", "System Data", "Energy Estimation", "Energy Graphs", "Report"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.pages()->tabText(i), captions[i]);
}

TEST(AnalysisPageFlow, AShowWithAWrongDutyCycleSaysSoOnceAndKeepsCaptionAndResults)
{
    AnalysisWindow w;
    w.state.parameters.at(10)->value = 6.0f; // total 105
    w.messages.expect(MessageAnswer::Ok);
    w.show();
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_TRUE(w.messages.shown()[0].text.endsWith(QStringLiteral("equal: 105%")));
    EXPECT_EQ(w.page(), 0);
    EXPECT_EQ(w.form->windowTitle(), QStringLiteral("Fan & Pump Analysis using a Vendram Variable Frequency Drive"));
    EXPECT_TRUE(w.label("VAL1")->text().isEmpty());
    EXPECT_EQ(w.label("Label50")->text(), QStringLiteral("105% (must equal 100%)"));
}

TEST(AnalysisPageFlow, CustomerResetEmptiesTheTextsAndTheNoteFollowsTheOption)
{
    AnalysisWindow w;
    for (int i = 0; i < ProjectTextCount; ++i)
        w.form->setText(static_cast<ProjectText>(i), QStringLiteral("x"));
    w.state.record.projectModified = false;
    w.button("BitBtn20")->click();
    for (int i = 0; i < ProjectTextCount; ++i)
        EXPECT_TRUE(w.form->text(static_cast<ProjectText>(i)).isEmpty());
    EXPECT_TRUE(w.state.record.projectModified);

    w.show();
    EXPECT_TRUE(w.label("NOTE1")->isVisible());
    EXPECT_EQ(w.label("NOTE2")->text(), QStringLiteral("Customer information is currently disabled and will not "
                                                       "show on the final report, to enable click "));
    w.form->hide();
    w.state.options.flags[0] = true; // L1: customer information on the report
    w.show();
    for (const char *note : {"NOTE1", "NOTE2", "NOTE3"})
        EXPECT_FALSE(w.label(note)->isVisible());
}

TEST(AnalysisPageFlow, ReportLayoutOpensTheSetupDialogOnItsReportLayoutPage)
{
    AnalysisWindow w;
    SetupDialog setup(w.state);
    w.form->setSetupDialog(&setup);
    w.show();
    QString page;
    bool shown = false;
    QTimer::singleShot(0, &setup, [&] {
        shown = setup.isVisible();
        if (auto *tabs = setup.findChild<QTabWidget *>(QStringLiteral("PageControl")))
            page = tabs->tabText(tabs->currentIndex());
        setup.reject();
    });
    w.button("BitBtn18")->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(page, QStringLiteral("Report Layout"));
}

TEST(AnalysisPageFlow, TheDutyChartShowsTheDutyOfTheLastRefresh)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    w.typeAndLeave("A110", QStringLiteral("3"), "A111"); // 102: the chart keeps the last good duty
    w.typeAndLeave("A119", QStringLiteral("-"), "A118"); // 102 still
    const ChartModel &before = w.form->dutyChart()->model();
    ASSERT_EQ(before.series[0].points.size(), 11);
    EXPECT_EQ(before.series[0].points[10], QPointF(100, 1));
    w.typeAndLeave("A111", QStringLiteral("0"), "A112"); // 100 again
    const ChartModel &after = w.form->dutyChart()->model();
    EXPECT_EQ(after.series[0].points[0], QPointF(0, 0));
    EXPECT_EQ(after.series[0].points[10], QPointF(100, 3));
    EXPECT_EQ(after.series[0].points[9], QPointF(90, 0));
    EXPECT_TRUE(w.form->dutyChart()->barsBlue());
}

TEST(AnalysisPageFlow, AFieldLeftByChoosingATabIsCheckedBeforeThePageChanges)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    w.type("A101", QStringLiteral("30"));
    clickTab(w, 2);
    EXPECT_EQ(w.page(), 2);
    EXPECT_EQ(w.field("A101")->text(), QStringLiteral("24"));
    EXPECT_EQ(w.messages.beeps(), 1);

    clickTab(w, 1);
    w.type("A112", QStringLiteral("4")); // 95, still in the field
    w.messages.expect(MessageAnswer::Ok);
    clickTab(w, 3);
    EXPECT_EQ(w.page(), 1);
    ASSERT_EQ(w.messages.shown().size(), 1u);
    EXPECT_TRUE(w.messages.shown()[0].text.endsWith(QStringLiteral("equal: 95%")));
    EXPECT_EQ(w.label("Label50")->text(), QStringLiteral("95% (must equal 100%)"));
}
