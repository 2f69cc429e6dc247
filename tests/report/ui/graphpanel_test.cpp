#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "../chartfixture.h"
#include "report/ui/chartview.h"
#include "report/ui/dutychartview.h"
#include "report/ui/graphpanel.h"
#include "report/ui/graphtypedialog.h"
#include "support/scriptedmessages.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"

namespace {

class GraphPanelTest : public ::testing::Test
{
protected:
    GraphPanelTest() : store(dir.filePath(QStringLiteral("settings.ini"))), state(messages, store)
    {
        InitGlobals(state, QLocale(QLocale::English, QLocale::UnitedStates));
        state.record.applicationKind = 1;
        state.results = sampleResults();
        state.options = customOptions(false, false);
        panel = std::make_unique<GraphPanel>(state);
        panel->resize(900, 640);
        panel->show();
    }

    template <typename T>
    T *child(const char *name) const
    {
        T *w = panel->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // The 3D view of all six charts, or nothing when they differ.
    std::optional<View3D> commonView() const
    {
        const View3D first = panel->graphs().chart(1).view;
        for (int type = 2; type <= GraphTypeCount; ++type)
            if (!(panel->graphs().chart(type).view == first))
                return std::nullopt;
        return first;
    }

    std::vector<int> visibleCharts() const
    {
        std::vector<int> shown;
        for (int type = 1; type <= GraphTypeCount; ++type)
            if (child<ChartView>(qPrintable(QStringLiteral("Chart%1").arg(type)))->isVisible())
                shown.push_back(type);
        return shown;
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store;
    AppState state;
    std::unique_ptr<GraphPanel> panel;
};

} // namespace

TEST_F(GraphPanelTest, StartsWithTheBarChartIn3DAndTheStripAtItsDesignValues)
{
    EXPECT_EQ(state.graphType, 5);
    EXPECT_EQ(visibleCharts(), std::vector<int>{5});
    auto *selection = child<QComboBox>("SelectionGraphType");
    ASSERT_EQ(selection->count(), 3);
    EXPECT_EQ(selection->itemText(0), "%Flow versus Cost Estimation Graph");
    EXPECT_EQ(selection->itemText(1), "%Flow versus Annual Hours Graph");
    EXPECT_EQ(selection->itemText(2), "%Flow versus %Time Graph");
    EXPECT_EQ(child<QPushButton>("BitBtn9")->text(), "&Graph Type");
    EXPECT_EQ(child<QPushButton>("BitBtn16")->text(), "&Reset Graph");
    EXPECT_EQ(child<QPushButton>("BitBtn17")->text(), "&Print Graph");
    EXPECT_EQ(child<QPushButton>("BitBtn16")->toolTip(), "Reset graph position");
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("BW")->isChecked());
    EXPECT_EQ(child<QCheckBox>("BW")->text(), "Pattern");
    EXPECT_EQ(child<QLabel>("Label6A")->text(), "3D View (%):");
    EXPECT_EQ(child<QLabel>("Label60")->text(), "&Rotation:");
    EXPECT_EQ(child<QScrollBar>("Bar3D")->value(), 1);
    EXPECT_EQ(child<QScrollBar>("ScrollBar3")->value(), 345);
    EXPECT_EQ(commonView(), (View3D{true, 15, true, 345}));
}

TEST_F(GraphPanelTest, ShowPreparesCostGraphDepthCaptionAndOrthogonalView)
{
    auto *selection = child<QComboBox>("SelectionGraphType");
    selection->setCurrentIndex(2);
    child<QScrollBar>("ScrollBar3")->setValue(300);
    ChartView *bar = panel->chartView(5);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseMove(bar, QPoint(360, 240));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(360, 240));
    ASSERT_EQ(bar->pan(), QPointF(60, 40));

    panel->prepareForShow();
    EXPECT_EQ(selection->currentIndex(), 0);
    EXPECT_EQ(panel->graphs().chart(5).title, "Annual Operating Cost / Fan Application");
    EXPECT_EQ(child<QScrollBar>("Bar3D")->value(), 15);
    EXPECT_EQ(child<QLabel>("Label6A")->text(), "3D View 15%");
    EXPECT_EQ(commonView(), (View3D{true, 15, true, 345}));
    EXPECT_EQ(bar->pan(), QPointF());
    // The rotation bar keeps its place.
    EXPECT_EQ(child<QScrollBar>("ScrollBar3")->value(), 300);
}

TEST_F(GraphPanelTest, CheckBoxSwitches3DOnAllChartsAndGreysTheBars)
{
    child<QScrollBar>("Bar3D")->setValue(40);
    child<QScrollBar>("ScrollBar3")->setValue(300);
    auto *check = child<QCheckBox>("CheckBox1");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(commonView(), (View3D{false, 40, false, 300}));
    EXPECT_FALSE(child<QScrollBar>("Bar3D")->isEnabled());
    EXPECT_FALSE(child<QScrollBar>("ScrollBar3")->isEnabled());
    // In 2D a rotation change has no effect.
    child<QScrollBar>("ScrollBar3")->setValue(280);
    EXPECT_EQ(commonView()->rotation, 300);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(commonView(), (View3D{true, 40, false, 300}));
    EXPECT_TRUE(child<QScrollBar>("Bar3D")->isEnabled());
}

TEST_F(GraphPanelTest, DepthAndRotationBarsSetAllSixCharts)
{
    struct Case
    {
        int depth;
        const char *caption;
    };
    for (const Case &tc : {Case{100, "3D View 100%"}, Case{1, "3D View 1%"}, Case{15, "3D View 15%"}}) {
        child<QScrollBar>("Bar3D")->setValue(tc.depth);
        EXPECT_EQ(child<QLabel>("Label6A")->text(), tc.caption);
        EXPECT_EQ(commonView()->depth, tc.depth);
    }
    child<QScrollBar>("ScrollBar3")->setValue(290);
    EXPECT_EQ(commonView(), (View3D{true, 15, false, 290}));
}

TEST_F(GraphPanelTest, ResetGraphRestoresTheViewButLeavesTheStrip)
{
    child<QScrollBar>("Bar3D")->setValue(70);
    child<QScrollBar>("ScrollBar3")->setValue(280);
    QTest::mouseClick(child<QPushButton>("BitBtn16"), Qt::LeftButton);
    EXPECT_EQ(commonView(), (View3D{true, 15, true, 345}));
    EXPECT_EQ(child<QScrollBar>("Bar3D")->value(), 70);
    EXPECT_EQ(child<QLabel>("Label6A")->text(), "3D View 70%");
    EXPECT_EQ(child<QScrollBar>("ScrollBar3")->value(), 280);
    // The next move of the depth bar applies its position again.
    child<QScrollBar>("Bar3D")->setValue(71);
    EXPECT_EQ(commonView()->depth, 71);
}

TEST_F(GraphPanelTest, SelectionDrawsFromTheLastResultsWithoutRecomputing)
{
    auto *selection = child<QComboBox>("SelectionGraphType");
    state.results.stepHoursFan[0] = 4321; // not an estimation result: the graph must show it as it is
    selection->setCurrentIndex(1);
    const ChartModel &c = panel->graphs().chart(5);
    EXPECT_EQ(c.title, "Annual Hours of operation per percentage Flow Graph for Fans");
    EXPECT_EQ(c.series[2].points.back(), QPointF(100, 4321));
    selection->setCurrentIndex(2);
    EXPECT_EQ(c.series[2].title, "Flow(%)/Time(%)");
    state.record.applicationKind = 2;
    panel->drawSelectedGraph();
    EXPECT_EQ(c.title, "Percentage Time per percentage Flow Graph for Pumps");
}

TEST_F(GraphPanelTest, PatternCheckBoxHatchesBarsOnly)
{
    panel->drawCostGraph();
    QTest::mouseClick(child<QCheckBox>("BW"), Qt::LeftButton);
    EXPECT_EQ(panel->graphs().chart(5).series[1].hatch, HatchStyle::Cross);
    EXPECT_EQ(panel->graphs().chart(1).series[1].hatch, HatchStyle::Solid);
    panel->drawHoursGraph();
    EXPECT_EQ(panel->graphs().chart(3).series[2].hatch, HatchStyle::DiagonalCross);
    QTest::mouseClick(child<QCheckBox>("BW"), Qt::LeftButton);
    EXPECT_EQ(panel->graphs().chart(3).series[2].hatch, HatchStyle::Solid);
}

TEST_F(GraphPanelTest, GraphTypeButtonShowsTheChosenChartWithTheSameGraph)
{
    GraphTypeDialog dialog(state, panel.get());
    panel->setGraphTypeDialog(&dialog);
    panel->prepareForShow();
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(dialog.findChild<QLabel *>(QStringLiteral("Image4")), Qt::LeftButton);
        // The type changes at the click, before the dialog closes.
        EXPECT_EQ(state.graphType, 4);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(child<QPushButton>("BitBtn9"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(visibleCharts(), std::vector<int>{4});
    EXPECT_EQ(panel->graphs().chart(4).series[1].title, "Outlet Damper");
    EXPECT_EQ(panel->graphs().chart(4).view, panel->graphs().chart(5).view);
}

TEST_F(GraphPanelTest, PrintGraphPrintsTheCurrentChartInLandscapeAndRestoresOrientation)
{
    const QString pdf = dir.filePath(QStringLiteral("graph.pdf"));
    int dialogs = 0;
    QPageLayout::Orientation during = QPageLayout::Portrait;
    panel->setPrintDialogRunner([&](QPrinter &printer) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Portrait);
        return false; // cancelled
    });
    QTest::mouseClick(child<QPushButton>("BitBtn17"), Qt::LeftButton);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));

    state.graphType = 3;
    panel->ShowGraphTypeChart();
    panel->setPrintDialogRunner([&](QPrinter &printer) {
        ++dialogs;
        return true;
        Q_UNUSED(printer);
    });
    QTest::mouseClick(child<QPushButton>("BitBtn17"), Qt::LeftButton);
    EXPECT_EQ(dialogs, 2);
    ASSERT_TRUE(QFile::exists(pdf));
    {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(data));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble()); // landscape page
    }
    panel->setPrintDialogRunner([&](QPrinter &printer) {
        during = printer.pageLayout().orientation();
        return false;
    });
    QTest::mouseClick(child<QPushButton>("BitBtn17"), Qt::LeftButton);
    EXPECT_EQ(during, QPageLayout::Portrait);
}

TEST_F(GraphPanelTest, SavesTheVisibleChartAsAPicture)
{
    panel->drawTimeGraph();
    const QString path = dir.filePath(QStringLiteral("PELNIX_EE3.svg"));
    ASSERT_TRUE(panel->saveVisibleChart(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Percentage Time per percentage Flow Graph for Fans"));
    EXPECT_FALSE(panel->saveVisibleChart(dir.filePath(QStringLiteral("no/such/folder/x.svg"))));
}

TEST_F(GraphPanelTest, GraphTypeDialogMarksTheCurrentType)
{
    GraphTypeDialog dialog(state);
    EXPECT_EQ(dialog.windowTitle(), "Veriro Zarired Uviduzudu Graph Type");
    const struct
    {
        const char *image;
        const char *hint;
        int type;
    } pictures[] = {{"Image1", "Select Area Graph", 1},       {"Image2", "Select Line Graph", 2},
                    {"Image5", "Select Horizontal Graph", 3}, {"Image4", "Select Point Graph", 4},
                    {"Image3", "Select Bar Graph", 5},        {"Image7", "Select Fast Line Graph", 6}};
    state.graphType = 2;
    dialog.show();
    auto shownFrames = [&] {
        std::vector<int> shown;
        for (int n = 1; n <= 6; ++n)
            if (dialog.findChild<QFrame *>(QStringLiteral("Shape%1").arg(n))->isVisible())
                shown.push_back(n);
        return shown;
    };
    EXPECT_EQ(shownFrames(), std::vector<int>{2});
    for (const auto &pic : pictures) {
        auto *image = dialog.findChild<QLabel *>(QString::fromLatin1(pic.image));
        ASSERT_NE(image, nullptr) << pic.image;
        EXPECT_EQ(image->toolTip(), pic.hint);
        EXPECT_FALSE(image->pixmap().isNull());
        QTest::mouseClick(image, Qt::LeftButton);
        EXPECT_EQ(state.graphType, pic.type);
        EXPECT_EQ(shownFrames(), std::vector<int>{pic.type});
    }
    auto *close = dialog.findChild<QPushButton *>();
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "&Close");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    // Each picture is a different chart.
    EXPECT_NE(dialog.findChild<QLabel *>("Image1")->pixmap().toImage(),
              dialog.findChild<QLabel *>("Image2")->pixmap().toImage());
}

TEST_F(GraphPanelTest, DutyChartFollowsTheLastEstimationAndItsColour)
{
    DutyChartView duty(state);
    EXPECT_EQ(duty.objectName(), "DutyChart");
    state.results.dutyFan = {100, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // Percentages entered since (adding up to 95) are not an estimation: the bars ignore them.
    state.results.dutyTexts = {"50", "45", "0", "0", "0", "0", "0", "0", "0", "0"};
    duty.redraw(1);
    EXPECT_EQ(duty.model().series[0].points.back(), QPointF(100, 100));
    EXPECT_EQ(duty.model().series[0].points[1], QPointF(10, 0));
    duty.setBarsBlue(false);
    EXPECT_EQ(duty.model().series[0].color, QColor(255, 0, 0));
    // A redraw while the sum is wrong keeps the red bars.
    duty.redraw(2);
    EXPECT_EQ(duty.model().series[0].color, QColor(255, 0, 0));
    EXPECT_EQ(duty.model().series[0].points[1], QPointF(10, state.results.dutyPump[9]));
    duty.setBarsBlue(true);
    EXPECT_EQ(duty.model().series[0].color, QColor(0, 0, 255));

    // The duty chart does not scroll with the mouse.
    duty.resize(260, 230);
    duty.show();
    auto *view = duty.findChild<ChartView *>();
    ASSERT_NE(view, nullptr);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(150, 140));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(150, 140));
    EXPECT_EQ(view->pan(), QPointF());
}

// Writes the page, the dialog and the duty chart as PNG files into the folder named by
// PELNIX_CHART_PICTURES, for a look by eye. Skipped when the variable is not set.
TEST_F(GraphPanelTest, PicturesWhenAsked)
{
    const QString folder = qEnvironmentVariable("PELNIX_CHART_PICTURES");
    if (folder.isEmpty())
        GTEST_SKIP() << "set PELNIX_CHART_PICTURES to a folder to get the pictures";
    state.options = customOptions(true, false);
    panel->prepareForShow();
    ASSERT_TRUE(panel->grab().save(folder + QStringLiteral("/panel.png")));
    panel->setPrintDialogRunner([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder + QStringLiteral("/print.pdf"));
        return true;
    });
    QTest::mouseClick(child<QPushButton>("BitBtn17"), Qt::LeftButton);
    GraphTypeDialog dialog(state);
    dialog.show();
    ASSERT_TRUE(dialog.grab().save(folder + QStringLiteral("/dialog.png")));
    DutyChartView duty(state);
    duty.resize(260, 230);
    duty.redraw(1);
    duty.show();
    ASSERT_TRUE(duty.grab().save(folder + QStringLiteral("/dutyview.png")));
}
