#include "pelnixapplication.h"

#include "tools/errorhandler.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

PelnixApplication::PelnixApplication(int &argc, char **argv) : QApplication(argc, argv) {}

PelnixApplication::~PelnixApplication() = default;

bool PelnixApplication::notify(QObject *receiver, QEvent *event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    if (m_handler)
        m_handler->handle(message);
    std::fprintf(stderr, "%s\n", qPrintable(unhandledErrorText(message)));
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}
