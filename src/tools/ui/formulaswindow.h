#pragma once

#include "tools/formulas.h"

#include <QDialog>

#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
struct AppState;

// "Useful Formulas": motor, fan and pump formulas on five pages. Created once; the inputs it
// keeps live for the whole run.
class FormulasWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormulasWindow)

public:
    explicit FormulasWindow(AppState &state, QWidget *parent = nullptr);
    ~FormulasWindow() override;

    // Makes the first page ("Horse Power") active; the main window calls it before each opening.
    void selectFirstPage();
    const FormulaInputs &inputs() const { return m_inputs; }

    void goBack();
    void nextPage();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *field(FormulaInput input) const { return m_fields.at(input); }
    QLabel *resultLabel(const char *name) const;
    double readField(FormulaInput input);

    void buildHorsePowerPage();
    void buildTorquePage();
    void buildAcMotorPage();
    void buildOhmsLawPage();
    void buildPowerAcPage();
    void buildBottomBar();
    QLineEdit *makeInput(FormulaInput input, QWidget *parent, int maxLength = 6);
    QWidget *makeCalculateButton(const char *name, QWidget *parent, void (FormulasWindow::*formula)());

    void leaveField(QLineEdit *field);
    void showInputs();
    void runAll();
    void updateAcFields();

    void calcFan();
    void calcPump();
    void calcRotating();
    void calcLinear();
    void calcTorqueFromHp();
    void calcTorqueFromForce();
    void calcAccelerationTorque();
    void calcSyncSpeed();
    void calcSlip();
    void calcResistance();
    void calcCurrent();
    void calcVoltage();
    void calcThreePhase();

    AppState &m_state;
    FormulaInputs m_inputs;
    QTabWidget *m_pages = nullptr;
    std::map<FormulaInput, QLineEdit *> m_fields;
    QComboBox *m_pressure1 = nullptr;
    QComboBox *m_pressure2 = nullptr;
    QComboBox *m_selac = nullptr;
    bool m_showing = false;
};
