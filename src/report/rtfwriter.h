#pragma once

#include <QByteArray>
#include <QString>

#include "report/exportformats.h"

class PreparedReport;

// The prepared report as an RTF document: every text in a frame at its place on the page,
// pictures as embedded PNG frames, boxes and panels as page-anchored rectangles.
QByteArray RtfDocument(const PreparedReport &report, const ExportOptions &options);

ExportResult WriteRtfReport(const PreparedReport &report, const QString &fileName, const ExportOptions &options,
                            const ExportProgress &progress = {});
