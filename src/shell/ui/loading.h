#pragma once

#include <QWidget>

struct AppState;

// The splash window shown while the program's windows are made. It reads the command line.
class TLOADING final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLOADING)

public:
    // `arguments` as QCoreApplication::arguments() gives them: the program first.
    TLOADING(AppState &state, const QStringList &arguments, QWidget *parent = nullptr);
    ~TLOADING() override;
};
