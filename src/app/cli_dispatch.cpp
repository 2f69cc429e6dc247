#include "cli_command.h"

#include <QTextStream>

#include "data/programidentity.h"

namespace {

const QString ProgramName = QStringLiteral("pelnix-cli");

void printHelp(QTextStream &out)
{
    out << "Usage: " << ProgramName << " COMMAND [ARGUMENTS…]\n"
        << "       " << ProgramName << " --help | --version\n\n"
        << "Works on Pelnix project files (.PXF) without the window.\n\n"
        << "Commands:\n";
    for (const CliCommand &c : cliCommands())
        out << "  " << QString::fromUtf8(c.name).leftJustified(10) << QString::fromUtf8(c.summary) << '\n';
    out << "\nRun '" << ProgramName << " COMMAND --help' for the arguments of a command.\n"
        << "Exit status: 0 success, 1 a file did not open or could not be estimated, 2 usage error.\n";
}

void printCommandHelp(QTextStream &out, const CliCommand &c)
{
    out << "Usage: " << ProgramName << ' ' << c.name << ' ' << QString::fromUtf8(c.synopsis) << "\n\n"
        << QString::fromUtf8(c.summary) << ".\n\n"
        << "  --answer ok|cancel  answer every question of the file reader with OK (default) or Cancel\n";
    if (QByteArrayView(c.name) == "estimate")
        out << "  --json              one JSON object per file and line\n";
}

} // namespace

int cliUsageError(CliContext &context, const QString &text)
{
    context.err << ProgramName << ": " << text << "\nTry '" << ProgramName << " --help'.\n";
    context.err.flush();
    return CliUsage;
}

int runCli(const QStringList &arguments, CliContext &context)
{
    if (arguments.isEmpty())
        return cliUsageError(context, QStringLiteral("no command given"));
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printHelp(context.out);
        return CliOk;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-V")) {
        context.out << ProgramName << ' ' << ProgramIdentity::FileVersion << '\n';
        return CliOk;
    }
    for (const CliCommand &c : cliCommands()) {
        if (first != QLatin1String(c.name))
            continue;
        const QStringList rest = arguments.mid(1);
        if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
            printCommandHelp(context.out, c);
            return CliOk;
        }
        return c.run(rest, context);
    }
    return cliUsageError(context, QStringLiteral("unknown command '%1'").arg(first));
}

void printFileHeader(CliContext &context, const QString &path, bool &first)
{
    if (!first)
        context.out << '\n';
    first = false;
    context.out << "file: " << path << '\n';
}
