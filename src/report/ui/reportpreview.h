#pragma once

#include <functional>

class PreparedReport;
class QWidget;

// Shows the prepared report in the print preview (zoom, page navigation, page setup, print). The
// tool bar's export menu calls `exportFormat` with the index of the chosen export format.
void ShowReportPreview(const PreparedReport &report, QWidget *parent, const std::function<void(int)> &exportFormat);
