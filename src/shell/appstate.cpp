#include "appstate.h"

void InitGlobals(AppState &state, const QLocale &locale)
{
    state.separators = NumberSeparators::fromLocale(locale);
    state.analysisFormReady = false;
    state.parameters.clear();
    state.history.fill(QString());
    state.overviewKind = 1;
    state.overviewMethod = 1;
    state.graphType = 1;
    state.record.applicationName = QStringLiteral("FAN");
    state.commandLineFileExists = false;
    state.commandLineFile.clear();
    state.record.projectFileName.clear();
    state.record.projectActive = false;
    state.record.projectModified = false;
}
