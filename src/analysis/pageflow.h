#pragma once

#include <QString>

#include <optional>

// Decisions of the analysis window's page flow, apart from the widgets.

// The five pages in their fixed order; the index counts from 0.
enum class AnalysisPage { Customer = 0, SystemData = 1, Estimation = 2, Graphs = 3, Report = 4 };
inline constexpr int AnalysisPageCount = 5;

// Caption of a page's tab.
QString PageCaption(int page);
// Help topic of a page ("STEP1", "STEP2", "STEP4", "STEP5", "STEP6").
QString PageHelpTopic(int page);

// The page "Continue" leads to (the last page stays) and the one "Go Back" leads to (the first stays).
int PageAfterContinue(int page);
int PageAfterGoBack(int page);

// The window's caption before any valid showing, and after one for application kind 1 or 2.
QString DesignCaption();
// Empty for a kind other than fan or pump: the caption then stays as it is.
QString ApplicationCaption(int applicationKind);

// The method buttons of the "Energy Estimation" page.
enum class MethodButton { Line1, Line2, Line3, Line4, Custom1, Custom2 };

// What a method button opens: the calculation overview for one application kind and method.
struct OverviewChoice
{
    int kind = 1;
    int method = 1;
};

// The message of the no-control button, which opens no overview.
QString NoSpeedControlMessage();

// The overview a button opens for the project's kind; nothing for the no-control button, for the
// inlet vane of a pump (that button is hidden) and for a project of no kind.
std::optional<OverviewChoice> MethodButtonOverview(MethodButton button, int applicationKind);

// The hidden DRIVEEFF label: the drive efficiency (a fraction) in percent with 2 decimals.
QString DriveEfficiencyText(double efficiency);
