#pragma once

#include <QRect>
#include <QSize>

// The length rule for windows designed at one resolution and shown at another:
// (n × current + design / 2) / design, truncating toward zero.
int scaleLength(int length, int currentDpi, int designDpi = 96);

// Alignment and anchors of a control inside its parent.
struct ScaleAnchors
{
    enum class Align { None, Left, Right, Top, Bottom, Client };
    Align align = Align::None;
    bool left = true, top = true, right = false, bottom = false;
    bool singleLineEdit = false; // the height of a single-line text field is never changed
};

// New geometry of a control (relative to its parent's client area `parent`, measured before the
// change) when its window is scaled from `designDpi` to `currentDpi`.
QRect scaleControlGeometry(const QRect &geometry, const QSize &parent, const ScaleAnchors &anchors, int currentDpi,
                           int designDpi = 96);
