#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <span>

class QTextStream;

// What every subcommand works with: the output streams and the program-wide formatting choices.
struct CliContext
{
    QTextStream &out;
    QTextStream &err;
    QChar thousandSep = QLatin1Char(',');
};

// Starts one file's section of the output: a blank line between files, then "file: PATH".
void printFileHeader(CliContext &context, const QString &path, bool &first);

// Exit statuses of pelnix-cli.
enum CliStatus { CliOk = 0, CliFailed = 1, CliUsage = 2 };

// One subcommand: `run` gets the arguments after its name and returns the exit status.
struct CliCommand
{
    const char *name;
    const char *synopsis; // arguments after the name, for --help
    const char *summary;  // one line for --help
    int (*run)(const QStringList &arguments, CliContext &context);
};

// The dispatch table: every subcommand of pelnix-cli, in --help order.
std::span<const CliCommand> cliCommands();

// Runs pelnix-cli with its arguments (program name excluded); returns the exit status.
int runCli(const QStringList &arguments, CliContext &context);

// Reports a usage error on stderr with a pointer to --help; returns CliUsage.
int cliUsageError(CliContext &context, const QString &text);
