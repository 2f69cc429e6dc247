#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "chartfixture.h"
#include "report/chartaxis.h"
#include "report/charthatch.h"
#include "report/chartrenderer.h"
#include "report/energygraphs.h"
#include "report/graphpicture.h"

namespace {

QImage render(const ChartModel &chart, QSize size = QSize(775, 500), QPointF pan = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    renderChart(p, QRectF(QPointF(0, 0), QSizeF(size)), chart, pan);
    return image;
}

EnergyGraphSet costGraphs(int kind = 1)
{
    EnergyGraphSet graphs;
    graphs.DrawCostGraph(kind, sampleResults(), customOptions(true, true));
    return graphs;
}

} // namespace

TEST(ChartAxis, RoundTicksWithinTheRange)
{
    struct Case
    {
        double lo, hi, length, spacing;
        std::optional<double> fixedMin, fixedMax;
        double min, max, step;
        int decimals;
    };
    const Case cases[] = {
        {0, 4923.7, 380, 30, {}, {}, 0, 5000, 500, 0},
        {0, 12345, 600, 60, {}, {}, 0, 14000, 2000, 0},
        {0, 24, 380, 30, {}, {}, 0, 24, 2, 0},
        {-5, 105, 600, 30, -5.0, 105.0, -5, 105, 10, 0},
        {0, 24, 150, 30, 0.0, {}, 0, 25, 5, 0},
        {0, 0.8, 300, 30, {}, {}, 0, 0.8, 0.1, 1},
        {0, 0, 300, 30, {}, {}, 0, 1, 0.1, 1}, // a flat series still gets an axis
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.hi);
        const AxisScale s = niceScale(tc.lo, tc.hi, tc.length, tc.spacing, tc.fixedMin, tc.fixedMax);
        EXPECT_DOUBLE_EQ(s.min, tc.min);
        EXPECT_NEAR(s.max, tc.max, 1e-9);
        EXPECT_NEAR(s.step, tc.step, 1e-12);
        EXPECT_EQ(s.decimals, tc.decimals);
        ASSERT_FALSE(s.ticks.isEmpty());
        EXPECT_GE(s.ticks.front(), s.min - 1e-9);
        EXPECT_LE(s.ticks.back(), s.max + 1e-9);
        EXPECT_LE(static_cast<double>(s.ticks.size() - 1) * tc.spacing, tc.length + tc.spacing);
    }
}

TEST(ChartAxis, LabelsUseTheThousandsSeparatorAndPanKeepsRoundTicks)
{
    EXPECT_EQ(tickLabel(12000, 0, QLatin1Char(',')), "12,000");
    EXPECT_EQ(tickLabel(1500000, 0, QLatin1Char('.')), "1.500.000");
    EXPECT_EQ(tickLabel(0.5, 1, QLatin1Char(',')), "0.5");
    const AxisScale s = niceScale(0, 100, 600, 30);
    const AxisScale moved = shiftedScale(s, 0.25);
    EXPECT_DOUBLE_EQ(moved.min, s.min + 0.25 * s.span());
    for (double t : moved.ticks) {
        EXPECT_GE(t, moved.min - 1e-9);
        EXPECT_NEAR(std::remainder(t, s.step), 0, 1e-9);
    }
}

TEST(ChartHatch, SegmentsAreClippedToConvexFaces)
{
    const QPolygonF square({QPointF(0, 0), QPointF(10, 0), QPointF(10, 10), QPointF(0, 10)});
    const QPolygonF reversed({QPointF(0, 10), QPointF(10, 10), QPointF(10, 0), QPointF(0, 0)});
    for (const QPolygonF &poly : {square, reversed}) {
        QPointF a(-5, 5), b(15, 5);
        ASSERT_TRUE(clipToConvex(a, b, poly));
        EXPECT_EQ(a, QPointF(0, 5));
        EXPECT_EQ(b, QPointF(10, 5));
        QPointF c(-5, -5), d(15, 15);
        ASSERT_TRUE(clipToConvex(c, d, poly));
        EXPECT_NEAR(c.x(), 0, 1e-9);
        EXPECT_NEAR(d.x(), 10, 1e-9);
        QPointF e(-5, 20), f(15, 20);
        EXPECT_FALSE(clipToConvex(e, f, poly));
    }
}

TEST(ChartRender, ViewSettingsChangeThePicture)
{
    for (int type = 1; type <= GraphTypeCount; ++type) {
        SCOPED_TRACE(type);
        EnergyGraphSet graphs = costGraphs();
        const QImage threeD = render(graphs.chart(type));
        graphs.set3D(false);
        const QImage flat = render(graphs.chart(type));
        EXPECT_NE(threeD, flat);
        graphs.set3D(true);
        graphs.setDepth(1);
        const QImage shallow = render(graphs.chart(type));
        graphs.setDepth(100);
        const QImage deep = render(graphs.chart(type));
        EXPECT_NE(shallow, deep);
        graphs.setOrthogonal(false);
        graphs.setRotation(300);
        const QImage rotated = render(graphs.chart(type));
        EXPECT_NE(rotated, deep);
        graphs.setRotation(340);
        EXPECT_NE(render(graphs.chart(type)), rotated);
        // With 3D off, depth and rotation change nothing.
        graphs.set3D(false);
        EXPECT_EQ(render(graphs.chart(type)), flat);
    }
}

TEST(ChartRender, HatchingChangesBarChartsButNotTheAreaChart)
{
    for (bool threeD : {false, true}) {
        EnergyGraphSet graphs = costGraphs();
        graphs.set3D(threeD);
        std::array<QImage, 7> solid;
        for (int type = 1; type <= GraphTypeCount; ++type)
            solid[type] = render(graphs.chart(type));
        graphs.ApplyFillPattern(true);
        for (int type = 1; type <= GraphTypeCount; ++type) {
            const bool hatched = type == 3 || type == 4 || type == 5;
            EXPECT_EQ(render(graphs.chart(type)) != solid[type], hatched) << type << " 3D " << threeD;
        }
    }
}

TEST(ChartRender, OnlyShownSeriesAreDrawn)
{
    const EnergyGraphSet graphs = costGraphs(2); // pump: slot 3 hidden
    for (int type = 1; type <= GraphTypeCount; ++type) {
        ChartModel changed = graphs.chart(type);
        // Points of a hidden series must not show, whatever they are.
        changed.series[2].points = {QPointF(50, 3000), QPointF(90, 4000)};
        EXPECT_EQ(render(changed), render(graphs.chart(type))) << type;
        changed.series[2].visible = true;
        changed.series[2].title = QStringLiteral("Ghost");
        EXPECT_NE(render(changed), render(graphs.chart(type))) << type;
    }
}

TEST(ChartRender, DrawsInsideItsAreaOnWhite)
{
    const EnergyGraphSet graphs = costGraphs();
    for (int type = 1; type <= GraphTypeCount; ++type) {
        QImage image(900, 700, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        const QRect area(60, 80, 775, 500);
        renderChart(p, area, graphs.chart(type));
        p.end();
        int outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!area.contains(x, y) && image.pixel(x, y) != QColor(Qt::magenta).rgb())
                    ++outside;
        EXPECT_EQ(outside, 0) << type;
        EXPECT_EQ(QColor(image.pixel(area.left() + 2, area.top() + 2)), QColor(Qt::white));
        EXPECT_EQ(QColor(image.pixel(area.right() - 2, area.bottom() - 2)), QColor(Qt::white));
    }
}

TEST(ChartRender, PanMovesTheAxesAndZeroPanIsTheDefault)
{
    const EnergyGraphSet graphs = costGraphs();
    const QImage still = render(graphs.chart(5));
    EXPECT_EQ(render(graphs.chart(5), QSize(775, 500), QPointF(0, 0)), still);
    EXPECT_NE(render(graphs.chart(5), QSize(775, 500), QPointF(80, -40)), still);
}

TEST(ChartRender, PrinterResolutionGivesTheSameLayoutScaledUp)
{
    const EnergyGraphSet graphs = costGraphs();
    QImage screen = render(graphs.chart(5), QSize(400, 300));
    QImage print(1600, 1200, QImage::Format_RGB32);
    print.setDotsPerMeterX(qRound(384 / 0.0254));
    print.setDotsPerMeterY(qRound(384 / 0.0254));
    print.fill(Qt::magenta);
    QPainter p(&print);
    renderChart(p, QRectF(0, 0, 1600, 1200), graphs.chart(5));
    p.end();
    const QImage down = print.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Same picture within antialiasing: compare the share of clearly different pixels.
    int different = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const QColor a(screen.pixel(x, y)), b(down.pixel(x, y));
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 200)
                ++different;
        }
    EXPECT_LT(different, 400 * 300 / 20);
}

TEST(GraphPicture, WritesAnSvgAndReportsAnUnwritablePath)
{
    QTemporaryDir dir;
    const EnergyGraphSet graphs = costGraphs();
    const QString path = dir.filePath(QStringLiteral("PELNIX_EE1.svg"));
    ASSERT_TRUE(saveChartPicture(path, graphs.chart(5), QSize(775, 500)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("Annual Operating Cost / Fan Application"));
    EXPECT_TRUE(svg.contains("Eddy Current"));
    EXPECT_FALSE(saveChartPicture(dir.filePath(QStringLiteral("missing/folder/x.svg")), graphs.chart(5), QSize(775, 500)));
    EXPECT_FALSE(saveChartPicture(dir.filePath(QStringLiteral("empty.svg")), graphs.chart(5), QSize()));
}
