#include "formulaswindow.h"

#include <iterator>

#include <QKeyEvent>
#include <QShowEvent>
#include <QStyle>

#include "data/helprouter.h"
#include "data/messageservice.h"
#include "data/textnumbers.h"
#include "formulakeys.h"
#include "shell/appstate.h"
#include "ui_formulaswindow.h"
#include "tools/ui/iconsonshow.h"

FormulasWindow::FormulasWindow(AppState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_ui(std::make_unique<Ui::FormulasWindow>())
{
    m_ui->setupUi(this);
    setStandardIconOnShow(m_ui->GoBack_button, QStyle::SP_ArrowLeft);
    setStandardIconOnShow(m_ui->NextButton, QStyle::SP_ArrowRight);
    m_ui->NextButton->setLayoutDirection(Qt::RightToLeft);
    bindInputs();

    connect(m_ui->CALC1, &QPushButton::clicked, this, &FormulasWindow::calcFan);
    connect(m_ui->CALC2, &QPushButton::clicked, this, &FormulasWindow::calcPump);
    connect(m_ui->CALC3, &QPushButton::clicked, this, &FormulasWindow::calcRotating);
    connect(m_ui->CALC4, &QPushButton::clicked, this, &FormulasWindow::calcLinear);
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, &FormulasWindow::calcTorqueFromHp);
    connect(m_ui->BitBtn4, &QPushButton::clicked, this, &FormulasWindow::calcTorqueFromForce);
    connect(m_ui->BitBtn5, &QPushButton::clicked, this, &FormulasWindow::calcAccelerationTorque);
    connect(m_ui->BitBtn6, &QPushButton::clicked, this, &FormulasWindow::calcSyncSpeed);
    connect(m_ui->BitBtn7, &QPushButton::clicked, this, &FormulasWindow::calcSlip);
    connect(m_ui->BitBtn8, &QPushButton::clicked, this, &FormulasWindow::calcResistance);
    connect(m_ui->BitBtn9, &QPushButton::clicked, this, &FormulasWindow::calcCurrent);
    connect(m_ui->BitBtn10, &QPushButton::clicked, this, &FormulasWindow::calcVoltage);
    connect(m_ui->BitBtn12, &QPushButton::clicked, this, &FormulasWindow::calcThreePhase);
    // The unit lists recompute at once; the list of calculations only enables fields.
    connect(m_ui->PRESSURE1, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            calcFan();
    });
    connect(m_ui->PRESSURE2, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            calcPump();
    });
    connect(m_ui->SELAC, &QComboBox::currentIndexChanged, this, &FormulasWindow::updateAcFields);

    connect(m_ui->GoBack_button, &QPushButton::clicked, this, &FormulasWindow::goBack);
    connect(m_ui->NextButton, &QPushButton::clicked, this, &FormulasWindow::nextPage);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, [this] {
        if (m_state.help)
            m_state.help->showTopic(QStringLiteral("FORMULAS"));
    });
    connect(m_ui->close_button, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->PageControl->setCurrentIndex(0);
}

FormulasWindow::~FormulasWindow() = default;

void FormulasWindow::bindInputs()
{
    using I = FormulaInput;
    using W = FormulasWindow;
    const InputField fields[] = {
        {I::F1, &W::calcFan, 6},           {I::FANPRESS, &W::calcFan, 6},     {I::FANEFF1, &W::calcFan, 6},
        {I::GPM, &W::calcPump, 6},         {I::PUMPPRES, &W::calcPump, 6},    {I::GRAVITY1, &W::calcPump, 6},
        {I::PUMPEFF1, &W::calcPump, 6},    {I::TRQ1, &W::calcRotating, 6},    {I::SPEED1, &W::calcRotating, 6},
        {I::TRQ2, &W::calcLinear, 6},      {I::VELO, &W::calcLinear, 6},      {I::HP1, &W::calcTorqueFromHp, 6},
        {I::SPEED2, &W::calcTorqueFromHp, 6}, {I::FORCE1, &W::calcTorqueFromForce, 6},
        {I::RAD, &W::calcTorqueFromForce, 6}, {I::FLT, &W::calcAccelerationTorque, 6},
        {I::BDT, &W::calcAccelerationTorque, 6}, {I::LRT, &W::calcAccelerationTorque, 6},
        {I::FREQ, &W::calcSyncSpeed, 4},   {I::POLES, &W::calcSyncSpeed, 2},  {I::SYNCSPEED, &W::calcSlip, 6},
        {I::FULLSPEED, &W::calcSlip, 6},   {I::VOLTS, &W::calcResistance, 6}, {I::AMPS, &W::calcResistance, 6},
        {I::VOLTS2, &W::calcCurrent, 6},   {I::RES1, &W::calcCurrent, 6},     {I::AMPS2, &W::calcVoltage, 6},
        {I::RES2, &W::calcVoltage, 6},     {I::VOLT5, &W::calcThreePhase, 6}, {I::CURR5, &W::calcThreePhase, 6},
        {I::HP5, &W::calcThreePhase, 6},   {I::PF5, &W::calcThreePhase, 4},   {I::EFF5, &W::calcThreePhase, 4},
    };
    static_assert(std::size(fields) == FormulaInputCount);
    for (const InputField &info : fields) {
        auto *field = findChild<QLineEdit *>(formulaInputName(info.input));
        Q_ASSERT(field);
        field->installEventFilter(this);
        m_fields[info.input] = field;
        m_fieldInfo[field] = info;
    }
}

void FormulasWindow::selectFirstPage() { m_ui->PageControl->setCurrentIndex(0); }

void FormulasWindow::goBack()
{
    if (m_ui->PageControl->currentIndex() > 0)
        m_ui->PageControl->setCurrentIndex(m_ui->PageControl->currentIndex() - 1);
}

void FormulasWindow::nextPage()
{
    if (m_ui->PageControl->currentIndex() < m_ui->PageControl->count() - 1)
        m_ui->PageControl->setCurrentIndex(m_ui->PageControl->currentIndex() + 1);
}

void FormulasWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        showInputs();
        calcFan();
        calcPump();
        calcLinear();
        calcRotating();
        calcTorqueFromHp();
        calcTorqueFromForce();
        calcAccelerationTorque();
        calcSyncSpeed();
        calcSlip();
        calcResistance();
        calcCurrent();
        calcVoltage();
        calcThreePhase();
        updateAcFields();
    }
    QDialog::showEvent(event);
}

void FormulasWindow::showInputs()
{
    m_showing = true;
    m_ui->PRESSURE1->setCurrentIndex(m_inputs.fanPressureUnit);
    m_ui->PRESSURE2->setCurrentIndex(m_inputs.pumpPressureUnit);
    for (const auto &[input, field] : m_fields)
        field->setText(formulaFieldText(input, m_inputs.value(input)));
    m_showing = false;
}

void FormulasWindow::updateAcFields()
{
    const ThreePhaseFields on = threePhaseEnabledFields(static_cast<ThreePhaseCalc>(m_ui->SELAC->currentIndex()));
    m_fields.at(FormulaInput::VOLT5)->setEnabled(true);
    m_fields.at(FormulaInput::CURR5)->setEnabled(on.current);
    m_fields.at(FormulaInput::HP5)->setEnabled(on.horsePower);
    m_fields.at(FormulaInput::PF5)->setEnabled(on.powerFactor);
    m_fields.at(FormulaInput::EFF5)->setEnabled(on.efficiency);
}

double FormulasWindow::readInput(FormulaInput input)
{
    const double value = readDecimalLenient(m_fields.at(input)->text());
    m_inputs.value(input) = value;
    return value;
}

void FormulasWindow::leaveField(QLineEdit *field)
{
    const InputField &info = m_fieldInfo.at(field);
    const FieldRepair repair = repairFormulaInput(info.input, readDecimalLenient(field->text()));
    if (repair.repaired) {
        m_state.messages.beep();
        field->setText(formulaFieldText(info.input, repair.value));
    }
    (this->*info.formula)();
}

bool FormulasWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_fieldInfo.count(watched)) {
        auto *field = static_cast<QLineEdit *>(watched);
        if (event->type() == QEvent::KeyPress) {
            const auto &key = *static_cast<QKeyEvent *>(event);
            if (key.key() == Qt::Key_Escape)
                return false;
            if (!formulaKeyPasses(key))
                return true;
            return formulaTypingExceedsLimit(key, static_cast<int>(field->text().size()),
                                             static_cast<int>(field->selectedText().size()),
                                             m_fieldInfo.at(field).maxLength);
        }
        // Leaving the field for another window (a message box) is not leaving it for good.
        if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason
            && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            leaveField(field);
    }
    return QDialog::eventFilter(watched, event);
}

void FormulasWindow::calcFan()
{
    const double cfm = readInput(FormulaInput::F1);
    const double pressure = readInput(FormulaInput::FANPRESS);
    const double efficiency = readInput(FormulaInput::FANEFF1);
    m_inputs.fanPressureUnit = m_ui->PRESSURE1->currentIndex();
    if (const auto text = fanHorsePowerText(cfm, static_cast<FanPressureUnit>(m_inputs.fanPressureUnit), pressure,
                                            efficiency, m_state.thousandSep()))
        m_ui->FANHP->setText(*text);
}

void FormulasWindow::calcPump()
{
    const double gpm = readInput(FormulaInput::GPM);
    const double pressure = readInput(FormulaInput::PUMPPRES);
    const double gravity = readInput(FormulaInput::GRAVITY1);
    const double efficiency = readInput(FormulaInput::PUMPEFF1);
    m_inputs.pumpPressureUnit = m_ui->PRESSURE2->currentIndex();
    if (const auto text = pumpHorsePowerText(gpm, static_cast<PumpPressureUnit>(m_inputs.pumpPressureUnit), pressure,
                                             gravity, efficiency, m_state.thousandSep()))
        m_ui->PUMPHP->setText(*text);
}

void FormulasWindow::calcRotating()
{
    const double torque = readInput(FormulaInput::TRQ1);
    const double speed = readInput(FormulaInput::SPEED1);
    if (const auto text = rotatingHorsePowerText(torque, speed, m_state.thousandSep()))
        m_ui->ROTHP->setText(*text);
}

void FormulasWindow::calcLinear()
{
    const double force = readInput(FormulaInput::TRQ2);
    const double velocity = readInput(FormulaInput::VELO);
    if (const auto text = linearHorsePowerText(force, velocity, m_state.thousandSep()))
        m_ui->LINEARHP->setText(*text);
}

void FormulasWindow::calcTorqueFromHp()
{
    const double hp = readInput(FormulaInput::HP1);
    const double speed = readInput(FormulaInput::SPEED2);
    m_ui->TRQ1CALC->setText(torqueFromHorsePowerText(hp, speed, m_state.thousandSep()));
}

void FormulasWindow::calcTorqueFromForce()
{
    const double force = readInput(FormulaInput::FORCE1);
    const double radius = readInput(FormulaInput::RAD);
    m_ui->TRQCALC2->setText(torqueFromForceText(force, radius, m_state.thousandSep()));
}

void FormulasWindow::calcAccelerationTorque()
{
    const double fullLoad = readInput(FormulaInput::FLT);
    const double breakdown = readInput(FormulaInput::BDT);
    const double lockedRotor = readInput(FormulaInput::LRT);
    m_ui->TRQCALC3->setText(accelerationTorqueText(fullLoad, breakdown, lockedRotor, m_state.thousandSep()));
}

void FormulasWindow::calcSyncSpeed()
{
    const double frequency = readInput(FormulaInput::FREQ);
    const double poles = readInput(FormulaInput::POLES);
    m_ui->SPD->setText(synchronousSpeedText(frequency, poles, m_state.thousandSep()));
}

void FormulasWindow::calcSlip()
{
    const double sync = readInput(FormulaInput::SYNCSPEED);
    const double full = readInput(FormulaInput::FULLSPEED);
    if (!slipInputsAccepted(sync, full)) {
        m_state.messages.warning(slipWarningText());
        m_ui->SLIP->setText(slipFailureText());
        return;
    }
    m_ui->SLIP->setText(motorSlipText(sync, full, m_state.thousandSep()));
}

void FormulasWindow::calcResistance()
{
    const double volts = readInput(FormulaInput::VOLTS);
    const double amps = readInput(FormulaInput::AMPS);
    m_ui->O1->setText(resistanceText(volts, amps, m_state.thousandSep()));
}

void FormulasWindow::calcCurrent()
{
    const double volts = readInput(FormulaInput::VOLTS2);
    const double ohms = readInput(FormulaInput::RES1);
    m_ui->O2->setText(currentText(volts, ohms, m_state.thousandSep()));
}

void FormulasWindow::calcVoltage()
{
    const double amps = readInput(FormulaInput::AMPS2);
    const double ohms = readInput(FormulaInput::RES2);
    m_ui->O3->setText(voltageText(amps, ohms, m_state.thousandSep()));
}

void FormulasWindow::calcThreePhase()
{
    ThreePhaseInputs in;
    in.volts = readInput(FormulaInput::VOLT5);
    in.amps = readInput(FormulaInput::CURR5);
    in.horsePower = readInput(FormulaInput::HP5);
    in.powerFactor = readInput(FormulaInput::PF5);
    in.efficiency = readInput(FormulaInput::EFF5);
    m_ui->ACC->setText(
        threePhaseText(static_cast<ThreePhaseCalc>(m_ui->SELAC->currentIndex()), in, m_state.thousandSep()));
}
