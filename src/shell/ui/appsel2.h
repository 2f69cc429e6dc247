#pragma once

#include <QDialog>

// "Select Application": a fan or a pump project. The caller reads choice() after it closes and
// starts the chosen project.
class TAPPSEL2 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAPPSEL2)

public:
    enum Choice { None = 0, Fan = 1, Pump = 2 };

    explicit TAPPSEL2(QWidget *parent = nullptr);
    ~TAPPSEL2() override;

    int choice() const { return m_choice; }

    void SpeedButton1Click() { choose(Fan); }
    void SpeedButton2Click() { choose(Pump); }
    void ESCCANCELClick() { choose(None); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void choose(int choice);

    int m_choice = None;
};
