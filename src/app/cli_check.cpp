#include "cli_check.h"

#include "cli_command.h"
#include "cli_messages.h"
#include "cli_open.h"

#include <QTextStream>

#include "data/numberformat.h"

int runCheck(const QStringList &arguments, CliContext &context)
{
    const auto parsed = parseFileArguments(arguments, false, context);
    if (!parsed)
        return CliUsage;
    int status = CliOk;
    bool first = true;
    for (const QString &path : parsed->files) {
        printFileHeader(context, path, first);
        CliMessageService messages(&context.out, parsed->answerCancel);
        const CliProject project = OpenCliProject(path, messages);
        if (!applicationText(project.application).isEmpty())
            context.out << "application: " << applicationText(project.application) << '\n';
        if (!project.opened) {
            context.err << "pelnix-cli: " << path << ": the project file did not open\n";
            status = CliFailed;
            continue;
        }
        for (int pos = 1; pos <= project.params.count(); ++pos) {
            if (const ParameterDefinition *d = project.params.at(pos))
                context.out << d->key() << '=' << fixedText(d->value, fileDecimals(d->step)) << '\n';
        }
        for (int t = 0; t < ProjectTextCount; ++t)
            context.out << ProjectTextFieldNames[t] << '=' << project.texts.text(static_cast<ProjectText>(t)) << '\n';
    }
    context.err.flush();
    return status;
}
