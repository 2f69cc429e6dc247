#include "cli_open.h"

#include "cli_command.h"

#include "data/projectfile.h"

#include <optional>

CliProject OpenCliProject(const QString &path, MessageService &messages)
{
    CliProject project;
    project.params.DefineParameters(messages);
    // The first read only examines, so a bad file leaves the parameters alone.
    const ProjectReadResult examined = ReadProjectFile(path, false, project.params, project.texts, messages);
    project.application = examined.application;
    if (!examined.ok)
        return project;
    const ProjectReadResult applied = ReadProjectFile(path, true, project.params, project.texts, messages);
    project.application = applied.application;
    project.opened = applied.ok;
    return project;
}

QString applicationText(int application)
{
    switch (application) {
    case 1: return QStringLiteral("FAN");
    case 2: return QStringLiteral("PUMP");
    case 3: return QStringLiteral("COOLING TOWER");
    default: return {};
    }
}

std::optional<CliFileArguments> parseFileArguments(const QStringList &arguments, bool allowJson, CliContext &context)
{
    const auto usage = [&context](const QString &text) -> std::optional<CliFileArguments> {
        cliUsageError(context, text);
        return std::nullopt;
    };
    const QString answerOption = QStringLiteral("--answer");
    CliFileArguments parsed;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            parsed.files << a;
        } else if (a == QLatin1String("--")) {
            onlyFiles = true;
        } else if (a == QLatin1String("--json") && allowJson) {
            parsed.json = true;
        } else if (a == answerOption || a.startsWith(answerOption + QLatin1Char('='))) {
            QString value;
            if (a != answerOption)
                value = a.mid(answerOption.size() + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value != QLatin1String("ok") && value != QLatin1String("cancel"))
                return usage(QStringLiteral("--answer takes ok or cancel"));
            parsed.answerCancel = value == QLatin1String("cancel");
        } else {
            return usage(QStringLiteral("unknown option '%1'").arg(a));
        }
    }
    if (parsed.files.isEmpty())
        return usage(QStringLiteral("no project file given"));
    return parsed;
}
