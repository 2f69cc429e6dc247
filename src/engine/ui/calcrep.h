#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

class QLabel;
class QPushButton;
struct AppState;

// The calculation overview: how one control method's annual energy cost comes about, step by step.
// Filled anew from the estimation results at every show, for the program's overview selections.
class TCALCREP final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCALCREP)

public:
    explicit TCALCREP(AppState &state, QWidget *parent = nullptr);
    ~TCALCREP() override;

    // Refills every value label from the results for OverviewKind and OverviewMethod.
    void FillFromState();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void HelpClick();

    AppState &m_state;
    QHash<QString, QLabel *> m_values;
};
