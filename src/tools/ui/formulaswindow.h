#pragma once

#include <map>
#include <memory>

#include <QDialog>

#include "tools/formulas.h"

class QLabel;
class QLineEdit;
struct AppState;
namespace Ui {
class FormulasWindow;
}

// "Useful Formulas": motor, fan and pump formulas on five pages. Created once; the inputs it keeps
// live for the whole run.
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
    using Formula = void (FormulasWindow::*)();
    struct InputField
    {
        FormulaInput input;
        Formula formula; // run when the field is left
        int maxLength;   // typed characters
    };

    void bindInputs();
    double readInput(FormulaInput input);
    void leaveField(QLineEdit *field);
    void showInputs();
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
    std::unique_ptr<Ui::FormulasWindow> m_ui;
    FormulaInputs m_inputs;
    std::map<FormulaInput, QLineEdit *> m_fields;
    std::map<const QObject *, InputField> m_fieldInfo;
    bool m_showing = false;
};
