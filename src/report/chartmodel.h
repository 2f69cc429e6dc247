#pragma once

#include <array>
#include <optional>

#include <QChar>
#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

// How the points of every series of a chart are drawn.
enum class SeriesKind { Area, Line, HorizontalBar, Point, Bar, FastLine };

// Fill of bars, point markers and legend swatches; Solid everywhere unless the B/W pattern is on.
enum class HatchStyle { Solid, BackwardDiagonal, Cross, DiagonalCross, ForwardDiagonal, Horizontal };

inline constexpr int ChartSlotCount = 5;

// One series slot. Points are (horizontal axis, vertical axis) values in the order they were added.
struct ChartSeries
{
    QString title;
    QColor color = Qt::black;
    bool visible = true;
    bool listedInLegend = true;
    HatchStyle hatch = HatchStyle::Solid;
    QVector<QPointF> points;
};

// The 3D view of a chart: depth is a percentage of the chart size (1 … 100); the rotation about the
// vertical axis (270 … 360 degrees) applies only while the orthogonal (oblique) view is off.
struct View3D
{
    bool on = true;
    int depth = 15;
    bool orthogonal = true;
    int rotation = 345;

    bool operator==(const View3D &) const = default;
};

// A fixed end of an axis; an empty end is worked out from the data.
struct AxisRange
{
    std::optional<double> min;
    std::optional<double> max;
};

// Everything one chart shows. Plain data: filling it is cheap, drawing is renderChart's job.
struct ChartModel
{
    SeriesKind kind = SeriesKind::Bar;
    std::array<ChartSeries, ChartSlotCount> series{};
    // Slot indexes (0-based) in drawing order: a later series is drawn over an earlier one.
    std::array<int, ChartSlotCount> drawOrder{0, 1, 2, 3, 4};

    QString title;
    QString valueAxisTitle;
    QString flowAxisTitle;
    // Value axis at the bottom and flow axis at the left (the horizontal-bar chart).
    bool horizontal = false;

    View3D view;
    bool legendVisible = true;
    // Tick labels and axis titles; off for thumbnail pictures.
    bool showAxes = true;
    AxisRange xRange; // horizontal axis
    AxisRange yRange; // vertical axis
    QChar thousandSep = QLatin1Char(',');

    QString bottomAxisTitle() const { return horizontal ? valueAxisTitle : flowAxisTitle; }
    QString leftAxisTitle() const { return horizontal ? flowAxisTitle : valueAxisTitle; }
};

// The series colours of slots 1 … 5: lime, red, blue, green, yellow.
QColor slotColor(int slot);
// The hatch of slots 1 … 5 when the B/W pattern is on.
HatchStyle slotHatch(int slot);
