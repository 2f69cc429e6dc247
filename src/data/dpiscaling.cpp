#include "dpiscaling.h"

int scaleLength(int length, int currentDpi, int designDpi)
{
    if (designDpi == 0)
        return length;
    return static_cast<int>((static_cast<long long>(length) * currentDpi + designDpi / 2) / designDpi);
}

namespace {
// One axis of the rule: start and size of the control, size of the parent.
void scaleAxis(int &start, int &size, int parentSize, bool nearAnchor, bool farAnchor, bool keepSize, int current,
               int design)
{
    const int oldStart = start, oldSize = size;
    auto s = [&](int n) { return scaleLength(n, current, design); };
    if (nearAnchor) {
        start = s(oldStart);
        if (!keepSize)
            size = farAnchor ? parentSize - start - s(parentSize - oldSize - oldStart) : s(oldSize);
    } else if (farAnchor) {
        if (!keepSize)
            size = s(oldSize);
        start = parentSize - size - s(parentSize - oldSize - oldStart);
    } else {
        start = s(oldStart);
        if (!keepSize)
            size = s(oldSize);
    }
}
} // namespace

QRect scaleControlGeometry(const QRect &g, const QSize &parent, const ScaleAnchors &a, int current, int design)
{
    if (current == design)
        return g;
    using Align = ScaleAnchors::Align;
    QRect r = g;
    auto s = [&](int n) { return scaleLength(n, current, design); };
    switch (a.align) {
    case Align::Left:
    case Align::Right: {
        const bool stretch = (a.align == Align::Left && a.right) || (a.align == Align::Right && a.left);
        r.setWidth(stretch ? parent.width() - s(parent.width() - g.width()) : s(g.width()));
        return r;
    }
    case Align::Top:
    case Align::Bottom: {
        const bool stretch = (a.align == Align::Top && a.bottom) || (a.align == Align::Bottom && a.top);
        r.setHeight(stretch ? parent.height() - s(parent.height() - g.height()) : s(g.height()));
        return r;
    }
    case Align::Client:
        return r;
    case Align::None:
        break;
    }
    int x = g.x(), w = g.width(), y = g.y(), h = g.height();
    scaleAxis(x, w, parent.width(), a.left, a.right, false, current, design);
    scaleAxis(y, h, parent.height(), a.top, a.bottom, a.singleLineEdit, current, design);
    return QRect(x, y, w, h);
}
