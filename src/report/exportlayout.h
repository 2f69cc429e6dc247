#pragma once

#include <QRectF>

struct ReportObject;
struct ReportPage;

// The frame a text object gets in a document format that lays out text itself (RTF, HTML): its
// place on the paper in millimetres, widened for a single-line text whose text is wider than the
// frame (plus `slackMm`, because the reader measures with its own font metrics), so that the line
// never wraps. The widening keeps the edge the text is aligned to.
QRectF DocumentTextFrameMm(const ReportPage &page, const ReportObject &object, double slackMm);
