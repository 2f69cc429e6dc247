#pragma once

#include <QApplication>

class UnhandledErrorHandler;

// The program's application object: an error that escapes an event handler ends here instead of
// taking the program down without a word.
class PelnixApplication final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PelnixApplication)

public:
    PelnixApplication(int &argc, char **argv);
    ~PelnixApplication() override;

    void setErrorHandler(UnhandledErrorHandler *handler) { m_handler = handler; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    UnhandledErrorHandler *m_handler = nullptr;
};
