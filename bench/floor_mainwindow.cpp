// The floor for the start-up benchmark: the least a Qt Widgets program with a main window, a menu
// bar and a tool bar costs to reach an idle event loop, built with the program's own flags.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    for (const char *title : {"&File", "&Edit", "&Tools", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 6; ++i)
            menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    QToolBar *bar = window.addToolBar(QStringLiteral("Main"));
    for (int i = 0; i < 8; ++i)
        bar->addAction(QStringLiteral("Tool %1").arg(i));
    window.resize(800, 600);
    window.show();

    // Ends the run where the event loop would first wait: the window is up and nothing is pending.
    // _Exit, as the start-up probe does for the program, so neither pays for tearing down.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [] {
        std::fflush(nullptr);
        std::_Exit(0);
    });
    return app.exec();
}
