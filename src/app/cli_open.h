#pragma once

#include "data/parameters.h"
#include "data/projectrecord.h"

#include <QString>
#include <QStringList>

#include <optional>

class MessageService;
struct CliContext;

// A project file opened as Open Project opens it, starting from the parameter defaults.
struct CliProject
{
    bool opened = false;
    int application = 0; // 0 none, 1 FAN, 2 PUMP, 3 COOLING TOWER (as the last read found it)
    ParameterTable params;
    PlainProjectTexts texts;
};

// The examining read and then, when it succeeded, the applying read. Every message goes through
// `messages`.
CliProject OpenCliProject(const QString &path, MessageService &messages);

// "FAN", "PUMP", "COOLING TOWER", or empty for none.
QString applicationText(int application);

// The arguments shared by the file commands.
struct CliFileArguments
{
    QStringList files;
    bool answerCancel = false;
    bool json = false;
};

// Reads FILE… and the options; `allowJson` admits --json. Nothing on a usage error (already reported).
std::optional<CliFileArguments> parseFileArguments(const QStringList &arguments, bool allowJson, CliContext &context);
