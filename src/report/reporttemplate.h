#pragma once

#include <QImage>

struct ReportTemplate;

// The two-page letter template "Standard Report" of the energy report, as designed.
ReportTemplate EnergyReportTemplate();

// The 432 × 95 title banner stored with the template.
QImage ReportTitleBanner();
