// The desktop program: start-up in the fixed order, then the main window's message loop.
#include "data/programidentity.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "shell/ui/loading.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/programwindows.h"
#include "shell/ui/widgetmessageservice.h"
#include "tools/errorhandler.h"
#include "tools/ui/pelnixapplication.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char **argv)
{
    PelnixApplication app(argc, argv);
    WidgetMessageService messages;
    SettingsStore store;
    AppState state(messages, store);
    InitGlobals(state);

    auto splash = std::make_unique<TLOADING>(state, QCoreApplication::arguments());
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    QCoreApplication::setApplicationName(ProgramIdentity::ApplicationTitle);
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vendram.Pelnix"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("com.vendram.Pelnix")));
    UnhandledErrorHandler errors(messages);
    app.setErrorHandler(&errors);

    ProgramWindows windows(state, &errors);
    splash.reset();

    windows.mainWindow()->show();
    return app.exec();
}
