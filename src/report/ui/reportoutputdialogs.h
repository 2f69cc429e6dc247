#pragma once

#include <QString>

#include "report/exportformats.h"

class QPrinter;
class QWidget;

// Letter paper in portrait, painted from the paper's corner (the report keeps its own margins).
void SetUpReportPrinter(QPrinter &printer);
// Asks for the target file of an export, with the format's suffix added when missing; empty when
// cancelled.
QString ChooseExportFile(QWidget *parent, ExportFormat format);
// Asks for the resolution of picture exports in dots per inch; 0 when cancelled.
int ChooseExportResolution(QWidget *parent, int current);
