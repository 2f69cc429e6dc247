#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "chartfixture.h"
#include "report/chartrenderer.h"
#include "report/energygraphs.h"

// Writes every graph type of every energy graph in 2D and 3D as PNG files into the folder named by
// PELNIX_CHART_PICTURES, for a look by eye. Skipped when the variable is not set.
TEST(ChartPictures, WritesEveryTypeWhenAsked)
{
    const QString folder = qEnvironmentVariable("PELNIX_CHART_PICTURES");
    if (folder.isEmpty())
        GTEST_SKIP() << "set PELNIX_CHART_PICTURES to a folder to get the pictures";
    QDir().mkpath(folder);
    const EstimationResults results = sampleResults();
    const ProgramOptions options = customOptions(true, false);
    EnergyGraphSet graphs;
    struct View
    {
        const char *name;
        bool on;
        int depth;
        bool orthogonal;
        int rotation;
        bool bw;
    };
    const View views[] = {{"2d", false, 15, true, 345, false}, {"3d", true, 15, true, 345, false},
                          {"3d-rot", true, 30, false, 330, false}, {"3d-bw", true, 15, true, 345, true},
                          {"3d-deep", true, 100, true, 345, false}, {"3d-side", true, 100, false, 270, false},
                          {"3d-front", true, 50, false, 360, false}, {"2d-bw", false, 15, true, 345, true}};
    for (int kind : {1, 2})
        for (EnergyGraph g : {EnergyGraph::Cost, EnergyGraph::Hours, EnergyGraph::Time}) {
            graphs.draw(g, kind, results, options);
            for (const View &v : views) {
                graphs.set3D(v.on);
                graphs.setDepth(v.depth);
                graphs.setOrthogonal(v.orthogonal);
                graphs.setRotation(v.rotation);
                graphs.ApplyFillPattern(v.bw);
                for (int type = 1; type <= GraphTypeCount; ++type) {
                    if (g != EnergyGraph::Cost && (kind == 2 || v.bw))
                        continue;
                    QImage image(775, 500, QImage::Format_RGB32);
                    QPainter p(&image);
                    renderChart(p, QRectF(0, 0, 775, 500), graphs.chart(type));
                    p.end();
                    const QString file = QStringLiteral("%1/%2-g%3-t%4-%5.png")
                                             .arg(folder, kind == 1 ? QStringLiteral("fan") : QStringLiteral("pump"))
                                             .arg(static_cast<int>(g))
                                             .arg(type)
                                             .arg(QString::fromLatin1(v.name));
                    ASSERT_TRUE(image.save(file));
                }
            }
        }
    // An empty chart (before the first estimation) and a panned one.
    EnergyGraphSet empty;
    QImage blank(775, 500, QImage::Format_RGB32);
    QPainter bp(&blank);
    renderChart(bp, QRectF(0, 0, 775, 500), empty.chart(5));
    graphs.DrawCostGraph(1, results, options);
    graphs.set3D(true);
    graphs.setDepth(15);
    graphs.setOrthogonal(true);
    renderChart(bp, QRectF(0, 0, 387, 250), graphs.chart(5), QPointF(60, 30));
    bp.end();
    ASSERT_TRUE(blank.save(folder + QStringLiteral("/empty-and-panned.png")));

    QImage duty(260, 230, QImage::Format_RGB32);
    QPainter p(&duty);
    renderChart(p, QRectF(0, 0, 260, 230), dutyChartModel(1, results, true));
    p.end();
    ASSERT_TRUE(duty.save(folder + QStringLiteral("/duty.png")));
}
