#pragma once

#include "data/numberformat.h"
#include "data/parameters.h"
#include "data/programpaths.h"
#include "data/projectrecord.h"
#include "engine/estimation.h"
#include "engine/estimationpage.h"
#include "setup/options.h"

#include <QString>

#include <array>

class HelpRouter;
class MessageService;
class SettingsStore;

// Everything the program shares while it runs: the project, its parameters, the options, the
// estimation results and page, and the start-up and history values. Owned by the application and
// handed to the windows that need it.
struct AppState
{
    AppState(MessageService &messageService, SettingsStore &settingsStore)
        : messages(messageService), store(settingsStore)
    {
    }

    MessageService &messages;
    SettingsStore &store;
    HelpRouter *help = nullptr; // set by the program once its help window exists

    NumberSeparators separators;
    ProgramPaths paths;

    ProjectRecord record;
    ParameterTable parameters;
    ProgramOptions options;
    SetupFields setupFields;
    EstimationResults results;
    EstimationPage page;

    int overviewKind = 1;
    int overviewMethod = 1;
    int graphType = 1;

    std::array<QString, 4> history;
    bool firstRunIntro = false;
    bool welcomeAtStart = false;
    QString commandLineFile;
    bool commandLineFileExists = false;
    bool analysisFormReady = false;

    QChar thousandSep() const { return separators.thousandSep; }
};

// Sets every program-wide value to its start value; the separators come from `locale`.
void InitGlobals(AppState &state, const QLocale &locale = QLocale::system());
