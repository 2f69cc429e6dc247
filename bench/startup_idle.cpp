// Start-up probe, loaded with LD_PRELOAD into the desktop program: ends it with status 0 where its
// event loop first waits with a main window on screen, so a timer outside can measure the start-up
// to an idle main window without a change to the program. The floor ends itself the same way.
// PELNIX_STARTUP_PROBE=1 arms it; "verbose" also names the window it saw.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class IdleExit final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_armed && event->type() == QEvent::Show && qobject_cast<QMainWindow *>(watched)) {
            m_armed = true;
            const bool verbose = qgetenv("PELNIX_STARTUP_PROBE") == "verbose";
            const QString title = static_cast<QWidget *>(watched)->windowTitle();
            QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [=] {
                if (verbose)
                    std::fprintf(stderr, "idle with main window \"%s\" up\n", qPrintable(title));
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_armed = false;
};

void install()
{
    if (qEnvironmentVariableIsEmpty("PELNIX_STARTUP_PROBE"))
        return;
    QCoreApplication::instance()->installEventFilter(new IdleExit);
}

struct Register
{
    Register() { qAddPreRoutine(install); }
} registerProbe;

} // namespace
