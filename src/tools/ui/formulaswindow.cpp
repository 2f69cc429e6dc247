#include "formulaswindow.h"

#include "shell/appstate.h"

FormulasWindow::FormulasWindow(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Useful Formulas"));
}

FormulasWindow::~FormulasWindow() = default;

void FormulasWindow::selectFirstPage() {}
void FormulasWindow::goBack() {}
void FormulasWindow::nextPage() {}
void FormulasWindow::showEvent(QShowEvent *event) { QDialog::showEvent(event); }
bool FormulasWindow::eventFilter(QObject *watched, QEvent *event) { return QDialog::eventFilter(watched, event); }
