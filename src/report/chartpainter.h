#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include "report/chartaxis.h"
#include "report/chartmodel.h"
#include "report/chartprojection.h"

// Inside of renderChart: one drawing of one chart. The layout (title, legend, axes, walls) lives
// in chartrenderer.cpp, the series in chartseries.cpp.

struct ChartFonts
{
    QFont title;
    QFont axisTitle;
    QFont labels;
    QFont legend;
};

// A visible series with its place in the drawing order.
struct PlottedSeries
{
    const ChartSeries *series;
    int order; // 0 is drawn first
};

// The smallest and largest value met so far.
struct ChartDataRange
{
    double lo = 0;
    double hi = 0;
    bool empty = true;

    void add(double v)
    {
        if (!std::isfinite(v))
            return;
        lo = empty ? v : std::min(lo, v);
        hi = empty ? v : std::max(hi, v);
        empty = false;
    }
};

class ChartPainter final
{
public:
    ChartPainter(QPainter &p, const QRectF &area, const ChartModel &chart, QPointF pan);

    void draw();

private:
    double px(double v) const { return v * m_scale; }
    double xAt(double v, const ChartProjection &proj) const { return m_x.fraction(v) * proj.width(); }
    double yAt(double v, const ChartProjection &proj) const { return m_y.fraction(v) * proj.height(); }

    void layout();
    AxisScale scaleFor(bool xAxis, double length, double spacing) const;
    void finishScales(const ChartProjection &proj);
    void drawWalls(const ChartProjection &proj);
    void drawGrid(const ChartProjection &proj);
    void drawSeries(const ChartProjection &proj);
    void drawAxes(const ChartProjection &proj);
    void drawTitles();
    void drawLegend();

    void drawArea(const ChartProjection &proj);
    void drawLine(const ChartProjection &proj, bool fast);
    void drawPoints(const ChartProjection &proj);
    void drawBars(const ChartProjection &proj);
    void drawBox(const ChartProjection &proj, QRectF box, double z0, double z1, const ChartSeries &s);

    // Depth lane of the series drawn `order`-th: the first drawn lies at the back.
    std::pair<double, double> lane(int order) const;
    QPen outlinePen(double alpha = 1) const;

    QPainter &m_p;
    QRectF m_area;
    const ChartModel &m_chart;
    QPointF m_pan;
    std::vector<PlottedSeries> m_plotted;
    std::vector<const ChartSeries *> m_legend;
    double m_scale = 1;
    ChartFonts m_fonts;

    AxisScale m_x;
    AxisScale m_y;
    ChartDataRange m_xData;
    ChartDataRange m_yData;
    double m_flowSpacing = 1;
    QRectF m_plot;
    QRectF m_titleRect;
    QRectF m_legendRect;
    double m_legendRow = 0;
    double m_leftLabelWidth = 0;
};
