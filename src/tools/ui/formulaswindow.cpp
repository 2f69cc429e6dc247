#include "formulaswindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/helprouter.h"
#include "data/messageservice.h"
#include "data/textnumbers.h"
#include "formulakeys.h"
#include "shell/appstate.h"

namespace {
constexpr int FieldWidth = 70;
constexpr int ResultWidth = 130;

// Section titles are bold; what stands inside them is not.
QFont plainFont(const QWidget *w)
{
    QFont font = w->font();
    font.setBold(false);
    return font;
}
} // namespace

FormulasWindow::FormulasWindow(AppState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state)
{
    setObjectName(QStringLiteral("FormulasWindow"));
    setWindowTitle(QStringLiteral("Useful Formulas"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->setUsesScrollButtons(false); // all five tabs in view
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    buildHorsePowerPage();
    buildTorquePage();
    buildAcMotorPage();
    buildOhmsLawPage();
    buildPowerAcPage();
    buildBottomBar();
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_pages->setCurrentIndex(0);
}

FormulasWindow::~FormulasWindow() = default;

QWidget *FormulasWindow::addPage(const QString &title)
{
    auto *page = new QWidget;
    page->setObjectName(QString(title).remove(QLatin1Char(' ')));
    auto *layout = new QVBoxLayout(page);
    layout->addStretch();
    m_pages->addTab(page, title);
    return page;
}

QGridLayout *FormulasWindow::addSection(QWidget *page, const QString &heading)
{
    auto *box = new QGroupBox(heading, page);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    layout->insertWidget(layout->count() - 1, box); // above the closing stretch
    return grid;
}

QLineEdit *FormulasWindow::addInput(QGridLayout *grid, const QString &label, FormulaInput input, Formula formula,
                                    int maxLength)
{
    auto *box = grid->parentWidget();
    auto *caption = new QLabel(label, box);
    caption->setFont(plainFont(m_pages));
    auto *field = new QLineEdit(box);
    field->setObjectName(formulaInputName(input));
    field->setFont(plainFont(m_pages));
    field->setFixedWidth(FieldWidth);
    field->setAlignment(Qt::AlignRight);
    field->setContextMenuPolicy(Qt::NoContextMenu); // no pasting past the key filter
    field->installEventFilter(this);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 2);
    m_fields[input] = field;
    m_fieldInfo[field] = InputField{input, formula, maxLength};
    return field;
}

QLabel *FormulasWindow::addResult(QGridLayout *grid, const char *name, const char *button, Formula formula)
{
    auto *box = grid->parentWidget();
    auto *calc = new QPushButton(QStringLiteral("&Calculate"), box);
    calc->setObjectName(QLatin1String(button));
    calc->setToolTip(QStringLiteral("Click here to calculate"));
    calc->setFont(plainFont(m_pages));
    calc->setAutoDefault(false);
    connect(calc, &QPushButton::clicked, this, formula);
    auto *label = new QLabel(box);
    label->setObjectName(QLatin1String(name));
    label->setMinimumWidth(ResultWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = plainFont(m_pages);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #000080;"));
    const int row = grid->rowCount();
    grid->addWidget(calc, row, 0, Qt::AlignLeft);
    grid->addWidget(label, row, 1, 1, 2);
    return label;
}

void FormulasWindow::buildHorsePowerPage()
{
    QWidget *page = addPage(QStringLiteral("Horse Power"));

    QGridLayout *fan = addSection(page, QStringLiteral("Fan and Blower Motor Applications:"));
    addInput(fan, QStringLiteral("Cubic Ft/Min.:"), FormulaInput::F1, &FormulasWindow::calcFan);
    m_pressure1 = new QComboBox(fan->parentWidget());
    m_pressure1->setObjectName(QStringLiteral("PRESSURE1"));
    m_pressure1->setFont(plainFont(m_pages));
    m_pressure1->addItems(fanPressureUnits());
    addInput(fan, QStringLiteral("Pressure:"), FormulaInput::FANPRESS, &FormulasWindow::calcFan);
    fan->addWidget(m_pressure1, fan->rowCount() - 1, 1);
    addInput(fan, QStringLiteral("Fan Efficiency:"), FormulaInput::FANEFF1, &FormulasWindow::calcFan);
    addResult(fan, "FANHP", "CALC1", &FormulasWindow::calcFan);
    connect(m_pressure1, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            calcFan();
    });

    QGridLayout *pump = addSection(page, QStringLiteral("Pump Motor Applications:"));
    addInput(pump, QStringLiteral("Gallons/Min."), FormulaInput::GPM, &FormulasWindow::calcPump);
    m_pressure2 = new QComboBox(pump->parentWidget());
    m_pressure2->setObjectName(QStringLiteral("PRESSURE2"));
    m_pressure2->setFont(plainFont(m_pages));
    m_pressure2->addItems(pumpPressureUnits());
    addInput(pump, QStringLiteral("Pressure:"), FormulaInput::PUMPPRES, &FormulasWindow::calcPump);
    pump->addWidget(m_pressure2, pump->rowCount() - 1, 1);
    addInput(pump, QStringLiteral("Gravity:"), FormulaInput::GRAVITY1, &FormulasWindow::calcPump);
    addInput(pump, QStringLiteral("Pump Efficiency:"), FormulaInput::PUMPEFF1, &FormulasWindow::calcPump);
    addResult(pump, "PUMPHP", "CALC2", &FormulasWindow::calcPump);
    connect(m_pressure2, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            calcPump();
    });

    QGridLayout *rotating = addSection(page, QStringLiteral("For rotating objects:"));
    addInput(rotating, QStringLiteral("Torque (lb-ft)"), FormulaInput::TRQ1, &FormulasWindow::calcRotating);
    addInput(rotating, QStringLiteral("Speed (RPM)"), FormulaInput::SPEED1, &FormulasWindow::calcRotating);
    addResult(rotating, "ROTHP", "CALC3", &FormulasWindow::calcRotating);

    QGridLayout *linear = addSection(page, QStringLiteral("Objects in Linear Motion:"));
    addInput(linear, QStringLiteral("Force (lbs)"), FormulaInput::TRQ2, &FormulasWindow::calcLinear);
    addInput(linear, QStringLiteral("Velocity (ft/min)"), FormulaInput::VELO, &FormulasWindow::calcLinear);
    addResult(linear, "LINEARHP", "CALC4", &FormulasWindow::calcLinear);
}

void FormulasWindow::buildTorquePage()
{
    QWidget *page = addPage(QStringLiteral("Torque"));
    QGridLayout *fromHp = addSection(page, QStringLiteral("Torque Calculation"));
    addInput(fromHp, QStringLiteral("Horse Power"), FormulaInput::HP1, &FormulasWindow::calcTorqueFromHp);
    addInput(fromHp, QStringLiteral("Speed (RPM)"), FormulaInput::SPEED2, &FormulasWindow::calcTorqueFromHp);
    addResult(fromHp, "TRQ1CALC", "BitBtn3", &FormulasWindow::calcTorqueFromHp);

    QGridLayout *fromForce = addSection(page, QStringLiteral("Torque Calculation"));
    addInput(fromForce, QStringLiteral("Force (LbFt)"), FormulaInput::FORCE1, &FormulasWindow::calcTorqueFromForce);
    addInput(fromForce, QStringLiteral("Radius (Ft)"), FormulaInput::RAD, &FormulasWindow::calcTorqueFromForce);
    addResult(fromForce, "TRQCALC2", "BitBtn4", &FormulasWindow::calcTorqueFromForce);

    QGridLayout *accel = addSection(page, QStringLiteral("Average Acceleration Torque"));
    addInput(accel, QStringLiteral("Full Load Torque (LbFt)"), FormulaInput::FLT, &FormulasWindow::calcAccelerationTorque);
    addInput(accel, QStringLiteral("Breakdown Torque (LbFt)"), FormulaInput::BDT, &FormulasWindow::calcAccelerationTorque);
    addInput(accel, QStringLiteral("Locked-Rotor Torque (LbFt)"), FormulaInput::LRT,
             &FormulasWindow::calcAccelerationTorque);
    addResult(accel, "TRQCALC3", "BitBtn5", &FormulasWindow::calcAccelerationTorque);
}

void FormulasWindow::buildAcMotorPage()
{
    QWidget *page = addPage(QStringLiteral("AC Motor"));
    QGridLayout *sync = addSection(page, QStringLiteral("Synchronous Speed"));
    addInput(sync, QStringLiteral("Frequency (Hz)"), FormulaInput::FREQ, &FormulasWindow::calcSyncSpeed, 4);
    addInput(sync, QStringLiteral("Number of Motor Poles"), FormulaInput::POLES, &FormulasWindow::calcSyncSpeed, 2);
    addResult(sync, "SPD", "BitBtn6", &FormulasWindow::calcSyncSpeed);

    QGridLayout *slip = addSection(page, QStringLiteral("Motor Slip"));
    addInput(slip, QStringLiteral("Synchronous Speed"), FormulaInput::SYNCSPEED, &FormulasWindow::calcSlip);
    addInput(slip, QStringLiteral("Full Load RPM"), FormulaInput::FULLSPEED, &FormulasWindow::calcSlip);
    addResult(slip, "SLIP", "BitBtn7", &FormulasWindow::calcSlip);
}

void FormulasWindow::buildOhmsLawPage()
{
    QWidget *page = addPage(QStringLiteral("Ohms Law"));
    QGridLayout *r = addSection(page, QStringLiteral("Calculate Resistance"));
    addInput(r, QStringLiteral("Voltage (V)"), FormulaInput::VOLTS, &FormulasWindow::calcResistance);
    addInput(r, QStringLiteral("Current (Amps)"), FormulaInput::AMPS, &FormulasWindow::calcResistance);
    addResult(r, "O1", "BitBtn8", &FormulasWindow::calcResistance);

    QGridLayout *i = addSection(page, QStringLiteral("Calculate Current (Amps)"));
    addInput(i, QStringLiteral("Voltage (V)"), FormulaInput::VOLTS2, &FormulasWindow::calcCurrent);
    addInput(i, QStringLiteral("Resistance (Ohms)"), FormulaInput::RES1, &FormulasWindow::calcCurrent);
    addResult(i, "O2", "BitBtn9", &FormulasWindow::calcCurrent);

    QGridLayout *v = addSection(page, QStringLiteral("Calculate Voltage (V)"));
    addInput(v, QStringLiteral("Current (Amps)"), FormulaInput::AMPS2, &FormulasWindow::calcVoltage);
    addInput(v, QStringLiteral("Resistance (Ohms)"), FormulaInput::RES2, &FormulasWindow::calcVoltage);
    addResult(v, "O3", "BitBtn10", &FormulasWindow::calcVoltage);
}

void FormulasWindow::buildPowerAcPage()
{
    QWidget *page = addPage(QStringLiteral("Power AC"));
    QGridLayout *ac = addSection(page, QStringLiteral("Three Phase AC Calculations"));
    const Formula calc = &FormulasWindow::calcThreePhase;
    addInput(ac, QStringLiteral("Voltage (V)"), FormulaInput::VOLT5, calc);
    addInput(ac, QStringLiteral("Current (Amps)"), FormulaInput::CURR5, calc);
    addInput(ac, QStringLiteral("Horse Power"), FormulaInput::HP5, calc);
    addInput(ac, QStringLiteral("Power Factor"), FormulaInput::PF5, calc, 4);
    addInput(ac, QStringLiteral("Efficiency"), FormulaInput::EFF5, calc, 4);
    auto *caption = new QLabel(QStringLiteral("Select Calculation"), ac->parentWidget());
    caption->setFont(plainFont(m_pages));
    m_selac = new QComboBox(ac->parentWidget());
    m_selac->setObjectName(QStringLiteral("SELAC"));
    m_selac->setToolTip(QStringLiteral("Select calculation"));
    m_selac->setFont(plainFont(m_pages));
    m_selac->addItems(threePhaseCalculations());
    connect(m_selac, &QComboBox::currentIndexChanged, this, &FormulasWindow::updateAcFields);
    const int row = ac->rowCount();
    ac->addWidget(caption, row, 0);
    ac->addWidget(m_selac, row, 1, 1, 2);
    addResult(ac, "ACC", "BitBtn12", calc);
}

void FormulasWindow::buildBottomBar()
{
    auto makeButton = [this](const char *name, const QString &caption, const QString &hint) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        if (!hint.isEmpty())
            b->setToolTip(hint);
        b->setAutoDefault(false);
        return b;
    };
    auto *back = makeButton("GoBack_button", QStringLiteral("&Go Back"), QStringLiteral("Go back one page"));
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    auto *next = makeButton("NextButton", QStringLiteral("&Next Page"), QStringLiteral("Go to next page"));
    next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    next->setLayoutDirection(Qt::RightToLeft);
    auto *help = makeButton("BitBtn1", QStringLiteral("&Help"), QStringLiteral("Help"));
    auto *close = makeButton("close_button", QStringLiteral("&Close"), QString());
    connect(back, &QPushButton::clicked, this, &FormulasWindow::goBack);
    connect(next, &QPushButton::clicked, this, &FormulasWindow::nextPage);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_state.help)
            m_state.help->showTopic(QStringLiteral("FORMULAS"));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(next);
    bar->addStretch();
    bar->addWidget(help);
    bar->addWidget(close);
    static_cast<QVBoxLayout *>(layout())->addLayout(bar);
}

void FormulasWindow::selectFirstPage() { m_pages->setCurrentIndex(0); }

void FormulasWindow::goBack()
{
    if (m_pages->currentIndex() > 0)
        m_pages->setCurrentIndex(m_pages->currentIndex() - 1);
}

void FormulasWindow::nextPage()
{
    if (m_pages->currentIndex() < m_pages->count() - 1)
        m_pages->setCurrentIndex(m_pages->currentIndex() + 1);
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
    m_pressure1->setCurrentIndex(m_inputs.fanPressureUnit);
    m_pressure2->setCurrentIndex(m_inputs.pumpPressureUnit);
    for (const auto &[input, field] : m_fields)
        field->setText(formulaFieldText(input, m_inputs.value(input)));
    m_showing = false;
}

void FormulasWindow::updateAcFields()
{
    const ThreePhaseFields on = threePhaseEnabledFields(static_cast<ThreePhaseCalc>(m_selac->currentIndex()));
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

QLabel *FormulasWindow::result(const char *name) const { return findChild<QLabel *>(QLatin1String(name)); }

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
    if (auto *field = qobject_cast<QLineEdit *>(watched); field && m_fieldInfo.count(field)) {
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
    m_inputs.fanPressureUnit = m_pressure1->currentIndex();
    if (const auto text = fanHorsePowerText(cfm, static_cast<FanPressureUnit>(m_inputs.fanPressureUnit), pressure,
                                            efficiency, m_state.thousandSep()))
        result("FANHP")->setText(*text);
}

void FormulasWindow::calcPump()
{
    const double gpm = readInput(FormulaInput::GPM);
    const double pressure = readInput(FormulaInput::PUMPPRES);
    const double gravity = readInput(FormulaInput::GRAVITY1);
    const double efficiency = readInput(FormulaInput::PUMPEFF1);
    m_inputs.pumpPressureUnit = m_pressure2->currentIndex();
    if (const auto text = pumpHorsePowerText(gpm, static_cast<PumpPressureUnit>(m_inputs.pumpPressureUnit), pressure,
                                             gravity, efficiency, m_state.thousandSep()))
        result("PUMPHP")->setText(*text);
}

void FormulasWindow::calcRotating()
{
    const double torque = readInput(FormulaInput::TRQ1);
    const double speed = readInput(FormulaInput::SPEED1);
    if (const auto text = rotatingHorsePowerText(torque, speed, m_state.thousandSep()))
        result("ROTHP")->setText(*text);
}

void FormulasWindow::calcLinear()
{
    const double force = readInput(FormulaInput::TRQ2);
    const double velocity = readInput(FormulaInput::VELO);
    if (const auto text = linearHorsePowerText(force, velocity, m_state.thousandSep()))
        result("LINEARHP")->setText(*text);
}

void FormulasWindow::calcTorqueFromHp()
{
    const double hp = readInput(FormulaInput::HP1);
    const double speed = readInput(FormulaInput::SPEED2);
    result("TRQ1CALC")->setText(torqueFromHorsePowerText(hp, speed, m_state.thousandSep()));
}

void FormulasWindow::calcTorqueFromForce()
{
    const double force = readInput(FormulaInput::FORCE1);
    const double radius = readInput(FormulaInput::RAD);
    result("TRQCALC2")->setText(torqueFromForceText(force, radius, m_state.thousandSep()));
}

void FormulasWindow::calcAccelerationTorque()
{
    const double fullLoad = readInput(FormulaInput::FLT);
    const double breakdown = readInput(FormulaInput::BDT);
    const double lockedRotor = readInput(FormulaInput::LRT);
    result("TRQCALC3")->setText(accelerationTorqueText(fullLoad, breakdown, lockedRotor, m_state.thousandSep()));
}

void FormulasWindow::calcSyncSpeed()
{
    const double frequency = readInput(FormulaInput::FREQ);
    const double poles = readInput(FormulaInput::POLES);
    result("SPD")->setText(synchronousSpeedText(frequency, poles, m_state.thousandSep()));
}

void FormulasWindow::calcSlip()
{
    const double sync = readInput(FormulaInput::SYNCSPEED);
    const double full = readInput(FormulaInput::FULLSPEED);
    if (!slipInputsAccepted(sync, full)) {
        m_state.messages.warning(slipWarningText());
        result("SLIP")->setText(slipFailureText());
        return;
    }
    result("SLIP")->setText(motorSlipText(sync, full, m_state.thousandSep()));
}

void FormulasWindow::calcResistance()
{
    const double volts = readInput(FormulaInput::VOLTS);
    const double amps = readInput(FormulaInput::AMPS);
    result("O1")->setText(resistanceText(volts, amps, m_state.thousandSep()));
}

void FormulasWindow::calcCurrent()
{
    const double volts = readInput(FormulaInput::VOLTS2);
    const double ohms = readInput(FormulaInput::RES1);
    result("O2")->setText(currentText(volts, ohms, m_state.thousandSep()));
}

void FormulasWindow::calcVoltage()
{
    const double amps = readInput(FormulaInput::AMPS2);
    const double ohms = readInput(FormulaInput::RES2);
    result("O3")->setText(voltageText(amps, ohms, m_state.thousandSep()));
}

void FormulasWindow::calcThreePhase()
{
    ThreePhaseInputs in;
    in.volts = readInput(FormulaInput::VOLT5);
    in.amps = readInput(FormulaInput::CURR5);
    in.horsePower = readInput(FormulaInput::HP5);
    in.powerFactor = readInput(FormulaInput::PF5);
    in.efficiency = readInput(FormulaInput::EFF5);
    result("ACC")->setText(
        threePhaseText(static_cast<ThreePhaseCalc>(m_selac->currentIndex()), in, m_state.thousandSep()));
}
