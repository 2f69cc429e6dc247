#pragma once

#include <optional>

#include <QChar>
#include <QString>
#include <QVector>

// The scale of one chart axis: its visible range and the round values that get a tick and a label.
struct AxisScale
{
    double min = 0;
    double max = 1;
    double step = 1;
    int decimals = 0;
    QVector<double> ticks;

    double span() const { return max - min; }
    // Position of `value` along the axis as a fraction, 0 at `min` and 1 at `max`.
    double fraction(double value) const { return (value - min) / span(); }
};

// A step of 1, 2 or 5 times a power of ten, at least `rawStep`.
double roundStep(double rawStep);

// Scale for data between `dataMin` and `dataMax` on an axis `lengthPx` long whose labels need
// `minSpacingPx` each. Fixed ends are kept; open ends are widened to the next tick.
AxisScale niceScale(double dataMin, double dataMax, double lengthPx, double minSpacingPx,
                    std::optional<double> fixedMin = {}, std::optional<double> fixedMax = {});

// The same scale moved by `fraction` of its span (a pan), with the ticks that now fall inside it.
AxisScale shiftedScale(const AxisScale &scale, double fraction);

// Label of a tick: fixed point with the scale's decimals and the thousands separator.
QString tickLabel(double value, int decimals, QChar thousandSep);
