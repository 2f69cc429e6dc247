#include "pelnixapplication.h"

#include "tools/errorhandler.h"

PelnixApplication::PelnixApplication(int &argc, char **argv) : QApplication(argc, argv) {}

PelnixApplication::~PelnixApplication() = default;

bool PelnixApplication::notify(QObject *receiver, QEvent *event)
{
    return guardedDispatch(m_handler, [&] { return QApplication::notify(receiver, event); });
}
