#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

#include "cli_command.h"
#include "data/numberformat.h"

int main(int argc, char **argv)
{
    // The report draws text and pictures, which needs the graphical side of Qt (off screen).
    const bool drawing = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application = drawing ? std::make_unique<QGuiApplication>(argc, argv)
                                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{out, err, NumberSeparators::fromLocale(QLocale::system()).thousandSep};
    const int status = runCli(app.arguments().mid(1), context);
    out.flush();
    err.flush();
    return status;
}
