#pragma once

#include <QColor>
#include <QPen>
#include <QPolygonF>

#include "report/chartmodel.h"

class QPainter;

// Fills a convex face in `color`, or hatched in a darker shade of it on a pale ground, and outlines
// it with `outline`. The hatch lines are real lines spaced `spacing` apart, so they look the same on
// every device and in SVG pictures, which need no clipping support.
void fillFace(QPainter &p, const QPolygonF &face, const QColor &color, HatchStyle hatch, const QPen &outline,
              double spacing);

// The part of segment a–b inside the convex polygon `poly`; false when none of it is.
bool clipToConvex(QPointF &a, QPointF &b, const QPolygonF &poly);
