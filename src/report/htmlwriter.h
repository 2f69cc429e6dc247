#pragma once

#include <QByteArray>
#include <QString>

#include "report/exportformats.h"

class PreparedReport;

// The prepared report as one self-contained HTML file (well-formed XHTML): each page a block of
// letter size, every object absolutely placed, pictures embedded as data URIs.
QByteArray HtmlDocument(const PreparedReport &report, const ExportOptions &options);

ExportResult WriteHtmlReport(const PreparedReport &report, const QString &fileName, const ExportOptions &options,
                             const ExportProgress &progress = {});
