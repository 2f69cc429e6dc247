#pragma once

#include <QDialog>

#include <map>

#include "tools/formulas.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
struct AppState;

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

    QWidget *addPage(const QString &title);
    QGridLayout *addSection(QWidget *page, const QString &heading);
    QLineEdit *addInput(QGridLayout *grid, const QString &label, FormulaInput input, Formula formula,
                        int maxLength = 6);
    QLabel *addResult(QGridLayout *grid, const char *name, const char *button, Formula formula);
    void buildHorsePowerPage();
    void buildTorquePage();
    void buildAcMotorPage();
    void buildOhmsLawPage();
    void buildPowerAcPage();
    void buildBottomBar();

    double readInput(FormulaInput input);
    QLabel *result(const char *name) const;
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

    struct InputField
    {
        FormulaInput input;
        Formula formula;
        int maxLength;
    };

    AppState &m_state;
    FormulaInputs m_inputs;
    QTabWidget *m_pages = nullptr;
    std::map<FormulaInput, QLineEdit *> m_fields;
    std::map<QLineEdit *, InputField> m_fieldInfo;
    QComboBox *m_pressure1 = nullptr;
    QComboBox *m_pressure2 = nullptr;
    QComboBox *m_selac = nullptr;
    bool m_showing = false;
};
