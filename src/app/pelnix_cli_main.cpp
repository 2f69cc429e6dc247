#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

#include "cli_command.h"
#include "data/numberformat.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{out, err, NumberSeparators::fromLocale(QLocale::system()).thousandSep};
    const int status = runCli(app.arguments().mid(1), context);
    out.flush();
    err.flush();
    return status;
}
