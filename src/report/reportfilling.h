#pragma once

#include "engine/estimation.h"
#include "data/programidentity.h"
#include "engine/estimationpage.h"

#include <QChar>
#include <QString>

#include <array>

struct AppState;
class ProjectTexts;
class PreparedReport;
struct ReportObject;

// Everything the energy report prints, gathered when the report is prepared.
struct ReportSources
{
    int applicationKind = 1; // 1 fan, 2 pump
    EstimationInputs inputs;
    std::array<int, FlowStepCount> dutyFan{};
    std::array<int, FlowStepCount> dutyPump{};
    EstimationPage page;

    bool showCustomer = true;   // L1
    bool useCustomLogo = false; // L3
    bool letterhead = false;    // L7, paper with a pre-printed letterhead
    QString logoFileName;
    QString preparerText;
    QString companyText;

    std::array<QString, 10> projectTexts; // in ProjectText order
    std::array<QString, 3> graphPictures; // cost, hours, time graph files

    QChar thousandSep = QLatin1Char(',');
    QString programTitle = ProgramIdentity::ProgramTitle;
    QString currencySymbol = ProgramIdentity::CurrencySymbol;

    QString projectText(int which) const { return projectTexts[static_cast<std::size_t>(which)]; }
};

// Base names of the three graph pictures in the private temporary folder.
QString GraphPicturePath(const QString &tempPath, int graph); // graph 1 … 3, "PELNIX_EE1.svg"

// The sources as they stand in the program: estimation results and page, options, setup fields,
// project texts and the graph pictures in the temporary folder.
ReportSources CollectReportSources(const AppState &state, const ProjectTexts &texts);

// The customer address lines, each ended by a carriage return; empty fields leave their line out.
QString CustomerBlock(const std::array<QString, 10> &projectTexts);

// Fills one template object by its name; objects with other names stay as they are.
void EnergyReportBeforePrint(ReportObject &object, const ReportSources &sources);

// The energy report prepared from a fresh copy of its template.
PreparedReport PrepareEnergyReport(const ReportSources &sources);
