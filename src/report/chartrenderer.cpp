#include "report/chartrenderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "report/chartaxis.h"
#include "report/charthatch.h"
#include "report/chartmodel.h"
#include "report/chartpainter.h"
#include "report/chartprojection.h"

namespace {

// The layout is made in pixels of a 96 dpi screen and scaled to the device.
constexpr double LayoutDpi = 96;
// Devices at or above this resolution (printers, PDF) are scaled; screens and images are not.
constexpr double ScaledDeviceDpi = 150;

const QColor LeftWallColor(192, 192, 192);
const QColor FloorColor(224, 224, 224);
const QColor GridColor(200, 200, 200);
const QColor AxisColor(64, 64, 64);
const QColor TitleColor(16, 32, 96);

ChartFonts makeFonts(double scale)
{
    ChartFonts f;
    f.title.setPixelSize(std::max(6, qRound(15 * scale)));
    f.title.setBold(true);
    f.axisTitle.setPixelSize(std::max(6, qRound(12 * scale)));
    f.axisTitle.setBold(true);
    f.labels.setPixelSize(std::max(6, qRound(11 * scale)));
    f.legend.setPixelSize(std::max(6, qRound(11.5 * scale)));
    return f;
}

// A visible series with its place in the drawing order.

std::vector<PlottedSeries> plottedSeries(const ChartModel &chart)
{
    std::vector<PlottedSeries> out;
    for (int slot : chart.drawOrder) {
        if (slot < 0 || slot >= ChartSlotCount)
            continue;
        const ChartSeries &s = chart.series[static_cast<size_t>(slot)];
        if (s.visible)
            out.push_back({&s, static_cast<int>(out.size())});
    }
    return out;
}

bool isBarKind(SeriesKind kind)
{
    return kind == SeriesKind::Bar || kind == SeriesKind::HorizontalBar;
}

// Smallest distance between two different flow values: the room one group of bars gets.
double flowSpacing(const std::vector<PlottedSeries> &plotted, bool horizontal)
{
    std::vector<double> flows;
    for (const PlottedSeries &pl : plotted)
        for (const QPointF &pt : pl.series->points)
            flows.push_back(horizontal ? pt.y() : pt.x());
    std::sort(flows.begin(), flows.end());
    double spacing = 0;
    for (size_t i = 1; i < flows.size(); ++i) {
        const double d = flows[i] - flows[i - 1];
        if (d > 1e-9 && (spacing == 0 || d < spacing))
            spacing = d;
    }
    return spacing > 0 ? spacing : 1;
}

} // namespace

ChartPainter::ChartPainter(QPainter &p, const QRectF &area, const ChartModel &chart, QPointF pan)
    : m_p(p), m_area(area), m_chart(chart), m_pan(pan), m_plotted(plottedSeries(chart))
{
    m_scale = std::clamp(std::min(area.width() / 700, area.height() / 450), 0.7, 1.3);
    m_fonts = makeFonts(m_scale);
    for (const PlottedSeries &pl : m_plotted)
        if (pl.series->listedInLegend && m_chart.legendVisible)
            m_legend.push_back(pl.series);
}

void ChartPainter::draw()
{
    m_p.fillRect(m_area, Qt::white);
    layout();
    const ChartProjection proj(m_plot, m_chart.view);
    finishScales(proj);
    drawWalls(proj);
    drawGrid(proj);
    drawSeries(proj);
    drawAxes(proj);
    drawTitles();
    drawLegend();
}

QPen ChartPainter::outlinePen(double alpha) const
{
    QPen pen(QColor(0, 0, 0, qRound(170 * alpha)), std::max(0.5, 0.9 * m_scale));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void ChartPainter::layout()
{
    const double margin = px(10);
    const bool horizontal = m_chart.horizontal;
    const bool bars = isBarKind(m_chart.kind);

    // Data ranges; the value axis always shows 0 so bars and areas stand on it.
    for (const PlottedSeries &pl : m_plotted)
        for (const QPointF &pt : pl.series->points) {
            m_xData.add(pt.x());
            m_yData.add(pt.y());
        }
    ChartDataRange &value = horizontal ? m_xData : m_yData;
    ChartDataRange &flow = horizontal ? m_yData : m_xData;
    value.add(0);
    if (flow.empty) {
        flow.add(0);
        flow.add(100);
    }
    if (bars) {
        m_flowSpacing = flowSpacing(m_plotted, horizontal);
        flow.lo -= m_flowSpacing / 2;
        flow.hi += m_flowSpacing / 2;
    }

    QRectF rest = m_area.adjusted(margin, margin * 0.7, -margin, -margin);

    const QString title = m_chart.title;
    if (!title.trimmed().isEmpty()) {
        const double h = QFontMetricsF(m_fonts.title).height();
        m_titleRect = QRectF(rest.left(), rest.top(), rest.width(), h);
        rest.setTop(rest.top() + h + px(8));
    }

    if (!m_legend.empty()) {
        const QFontMetricsF fm(m_fonts.legend);
        double textWidth = 0;
        for (const ChartSeries *s : m_legend)
            textWidth = std::max(textWidth, fm.horizontalAdvance(s->title));
        m_legendRow = std::max(fm.height(), px(12)) + px(7);
        const double w = px(8) + px(18) + px(7) + textWidth + px(10);
        const double h = m_legendRow * static_cast<double>(m_legend.size());
        m_legendRect = QRectF(rest.right() - w, rest.center().y() - h / 2, w, h);
        rest.setRight(m_legendRect.left() - px(14));
    }

    if (m_chart.showAxes) {
        const QFontMetricsF labels(m_fonts.labels);
        const QFontMetricsF titles(m_fonts.axisTitle);
        const double tick = px(4);
        double bottom = tick + px(3) + labels.height();
        if (!m_chart.bottomAxisTitle().trimmed().isEmpty())
            bottom += px(5) + titles.height();
        double left = tick + px(5);
        if (!m_chart.leftAxisTitle().trimmed().isEmpty())
            left += titles.height() + px(8);
        // The widest left label decides the margin; the scale is estimated on the rest's height.
        const AxisScale guess = scaleFor(false, rest.height() - bottom, px(30));
        for (double t : guess.ticks)
            m_leftLabelWidth = std::max(m_leftLabelWidth,
                                        labels.horizontalAdvance(tickLabel(t, guess.decimals, m_chart.thousandSep)));
        left += m_leftLabelWidth;
        rest.adjust(left, px(4), -px(6), -bottom);
    } else {
        rest.adjust(px(2), px(2), -px(2), -px(2));
    }
    if (rest.width() < 10)
        rest.setWidth(10);
    if (rest.height() < 10)
        rest.setHeight(10);
    m_plot = rest;
}

AxisScale ChartPainter::scaleFor(bool xAxis, double length, double spacing) const
{
    // The flow axis shows exactly the flow range (with the half-step margins of a bar chart); the
    // value axis is rounded out to its next ticks. Fixed ends win over both.
    const ChartDataRange &data = xAxis ? m_xData : m_yData;
    const AxisRange &fixed = xAxis ? m_chart.xRange : m_chart.yRange;
    const bool flowAxis = xAxis != m_chart.horizontal;
    std::optional<double> lo = fixed.min, hi = fixed.max;
    if (flowAxis) {
        lo = lo.value_or(data.lo);
        hi = hi.value_or(data.hi);
    }
    return niceScale(data.lo, data.hi, length, spacing, lo, hi);
}

void ChartPainter::finishScales(const ChartProjection &proj)
{
    const double frontWidth = QLineF(proj.map(0, 0, 0), proj.map(proj.width(), 0, 0)).length();
    const double frontHeight = QLineF(proj.map(0, 0, 0), proj.map(0, proj.height(), 0)).length();

    // Labels along the bottom need room for the widest value.
    const QFontMetricsF labels(m_fonts.labels);
    const double widest = std::max(std::abs(m_xData.lo), std::abs(m_xData.hi));
    const double xSpacing = labels.horizontalAdvance(tickLabel(widest, 0, m_chart.thousandSep)) + px(18);
    m_x = scaleFor(true, frontWidth, std::max(px(24), xSpacing));
    m_y = scaleFor(false, frontHeight, px(30));

    if (!m_pan.isNull()) {
        m_x = shiftedScale(m_x, -m_pan.x() / std::max(1.0, frontWidth));
        m_y = shiftedScale(m_y, m_pan.y() / std::max(1.0, frontHeight));
    }
}

void ChartPainter::drawWalls(const ChartProjection &proj)
{
    const double w = proj.width();
    const double h = proj.height();
    QPen edge(QColor(128, 128, 128), std::max(0.5, 0.8 * m_scale));
    m_p.setPen(edge);
    if (!proj.is3D()) {
        m_p.setBrush(Qt::white);
        m_p.drawRect(QRectF(proj.map(0, h, 0), proj.map(w, 0, 0)));
        return;
    }
    m_p.setBrush(Qt::white);
    m_p.drawPolygon(QPolygonF({proj.map(0, 0, 1), proj.map(w, 0, 1), proj.map(w, h, 1), proj.map(0, h, 1)}));
    m_p.setBrush(LeftWallColor);
    m_p.drawPolygon(QPolygonF({proj.map(0, 0, 0), proj.map(0, h, 0), proj.map(0, h, 1), proj.map(0, 0, 1)}));
    m_p.setBrush(FloorColor);
    m_p.drawPolygon(QPolygonF({proj.map(0, 0, 0), proj.map(w, 0, 0), proj.map(w, 0, 1), proj.map(0, 0, 1)}));
}

void ChartPainter::drawGrid(const ChartProjection &proj)
{
    const double w = proj.width();
    const double h = proj.height();
    QPen pen(GridColor, std::max(0.5, 0.7 * m_scale), Qt::DotLine);
    m_p.setPen(pen);
    const double back = proj.is3D() ? 1 : 0;
    for (double t : m_y.ticks) {
        const double y = yAt(t, proj);
        if (y < 0.5 || y > h + 0.01)
            continue;
        m_p.drawLine(proj.map(0, y, back), proj.map(w, y, back));
        if (proj.is3D())
            m_p.drawLine(proj.map(0, y, 0), proj.map(0, y, 1));
    }
    for (double t : m_x.ticks) {
        const double x = xAt(t, proj);
        if (x < 0.5 || x > w + 0.01)
            continue;
        m_p.drawLine(proj.map(x, 0, back), proj.map(x, h, back));
        if (proj.is3D())
            m_p.drawLine(proj.map(x, 0, 0), proj.map(x, 0, 1));
    }
}

void ChartPainter::drawAxes(const ChartProjection &proj)
{
    const double w = proj.width();
    const double h = proj.height();
    QPen axisPen(AxisColor, std::max(0.6, 1.0 * m_scale));
    m_p.setPen(axisPen);
    m_p.drawLine(proj.map(0, 0, 0), proj.map(0, h, 0));
    m_p.drawLine(proj.map(0, 0, 0), proj.map(w, 0, 0));
    if (!m_chart.showAxes)
        return;

    const double tick = px(4);
    m_p.setFont(m_fonts.labels);
    const QFontMetricsF fm(m_fonts.labels);
    // A label that would overlap the one before it is left out (a steeply turned axis).
    QRectF previous;
    for (double t : m_y.ticks) {
        const double y = yAt(t, proj);
        if (y < -0.01 || y > h + 0.01)
            continue;
        const QPointF at = proj.map(0, y, 0);
        m_p.setPen(axisPen);
        m_p.drawLine(at, at - QPointF(tick, 0));
        const QString text = tickLabel(t, m_y.decimals, m_chart.thousandSep);
        const QRectF box(at.x() - tick - px(4) - fm.horizontalAdvance(text) - 2, at.y() - fm.height() / 2,
                         fm.horizontalAdvance(text) + 2, fm.height());
        if (box.intersects(previous))
            continue;
        previous = box;
        m_p.setPen(Qt::black);
        m_p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    previous = QRectF();
    for (double t : m_x.ticks) {
        const double x = xAt(t, proj);
        if (x < -0.01 || x > w + 0.01)
            continue;
        const QPointF at = proj.map(x, 0, 0);
        m_p.setPen(axisPen);
        m_p.drawLine(at, at + QPointF(0, tick));
        const QString text = tickLabel(t, m_x.decimals, m_chart.thousandSep);
        const double tw = fm.horizontalAdvance(text) + 2;
        const QRectF box(at.x() - tw / 2, at.y() + tick + px(2), tw, fm.height());
        if (box.adjusted(-px(2), 0, px(2), 0).intersects(previous))
            continue;
        previous = box;
        m_p.setPen(Qt::black);
        m_p.drawText(box, Qt::AlignCenter, text);
    }

    m_p.setFont(m_fonts.axisTitle);
    m_p.setPen(Qt::black);
    const QFontMetricsF tm(m_fonts.axisTitle);
    const QString bottomTitle = m_chart.bottomAxisTitle();
    if (!bottomTitle.trimmed().isEmpty()) {
        const double top = std::max(proj.map(0, 0, 0).y(), proj.map(w, 0, 0).y()) + tick + px(2) + fm.height() + px(4);
        const double centre = (proj.map(0, 0, 0).x() + proj.map(w, 0, 0).x()) / 2;
        m_p.drawText(QRectF(centre - m_plot.width(), top, 2 * m_plot.width(), tm.height()), Qt::AlignHCenter | Qt::AlignTop,
                     bottomTitle);
    }
    const QString leftTitle = m_chart.leftAxisTitle();
    if (!leftTitle.trimmed().isEmpty()) {
        const double right = proj.map(0, 0, 0).x() - tick - px(6) - m_leftLabelWidth - px(6);
        const double centre = (proj.map(0, 0, 0).y() + proj.map(0, h, 0).y()) / 2;
        m_p.save();
        m_p.translate(right - tm.descent(), centre);
        m_p.rotate(-90);
        m_p.drawText(QRectF(-m_plot.height(), -tm.height(), 2 * m_plot.height(), tm.height()),
                     Qt::AlignHCenter | Qt::AlignBottom, leftTitle);
        m_p.restore();
    }
}

void ChartPainter::drawTitles()
{
    if (m_titleRect.isEmpty())
        return;
    m_p.setFont(m_fonts.title);
    m_p.setPen(TitleColor);
    m_p.drawText(m_titleRect, Qt::AlignHCenter | Qt::AlignVCenter, m_chart.title);
}

void ChartPainter::drawLegend()
{
    if (m_legend.empty())
        return;
    const QRectF box = m_legendRect;
    // A soft shadow and a plain frame, with a line between entries.
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(0, 0, 0, 45));
    m_p.drawRect(box.translated(px(3), px(3)));
    m_p.setBrush(Qt::white);
    m_p.setPen(QPen(QColor(96, 96, 96), std::max(0.5, 0.8 * m_scale)));
    m_p.drawRect(box);
    m_p.setFont(m_fonts.legend);
    const QFontMetricsF fm(m_fonts.legend);
    const bool lines = m_chart.kind == SeriesKind::Line || m_chart.kind == SeriesKind::FastLine;
    for (size_t i = 0; i < m_legend.size(); ++i) {
        const ChartSeries &s = *m_legend[i];
        const QRectF row(box.left(), box.top() + m_legendRow * static_cast<double>(i), box.width(), m_legendRow);
        if (i > 0) {
            m_p.setPen(QPen(QColor(160, 160, 160), std::max(0.5, 0.7 * m_scale)));
            m_p.drawLine(row.topLeft(), row.topRight());
        }
        const QRectF swatch(row.left() + px(8), row.center().y() - px(6), px(18), px(12));
        if (lines) {
            QPen pen(s.color, m_chart.kind == SeriesKind::FastLine ? px(2.5) : px(2));
            m_p.setPen(pen);
            m_p.drawLine(QPointF(swatch.left(), swatch.center().y()), QPointF(swatch.right(), swatch.center().y()));
        } else {
            fillFace(m_p, QPolygonF(swatch), s.color, s.hatch, outlinePen(), px(4));
        }
        m_p.setPen(Qt::black);
        m_p.drawText(QRectF(swatch.right() + px(7), row.top(), row.right() - swatch.right() - px(7), row.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, s.title);
    }
}

void renderChart(QPainter &p, const QRectF &area, const ChartModel &chart, QPointF pan)
{
    if (area.width() < 2 || area.height() < 2)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    double factor = 1;
    if (QPaintDevice *device = p.device()) {
        const double dpi = device->logicalDpiY();
        if (dpi >= ScaledDeviceDpi)
            factor = dpi / LayoutDpi;
    }
    p.translate(area.topLeft());
    p.scale(factor, factor);
    ChartPainter(p, QRectF(0, 0, area.width() / factor, area.height() / factor), chart, pan).draw();
    p.restore();
}
