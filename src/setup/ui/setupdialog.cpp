#include "setupdialog.h"

#include <QTabWidget>

#include "shell/appstate.h"

SetupDialog::SetupDialog(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Program Setup"));
}

SetupDialog::~SetupDialog() = default;

void SetupDialog::setLogoDialog(LogoDialog *dialog) { m_logoDialog = dialog; }

void SetupDialog::openOnReportLayout() { exec(); }

void SetupDialog::goBack() {}
void SetupDialog::nextPage() {}
void SetupDialog::showEvent(QShowEvent *event) { QDialog::showEvent(event); }
bool SetupDialog::eventFilter(QObject *watched, QEvent *event) { return QDialog::eventFilter(watched, event); }
void SetupDialog::keyPressEvent(QKeyEvent *event) { QDialog::keyPressEvent(event); }
