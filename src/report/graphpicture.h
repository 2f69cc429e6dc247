#pragma once

#include <QSize>
#include <QString>

struct ChartModel;

// Writes `chart` drawn at `size` as an SVG picture to `path`. Returns false when the file cannot be
// written.
bool saveChartPicture(const QString &path, const ChartModel &chart, QSize size);
