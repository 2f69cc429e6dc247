// The useful formulas window driven through its widgets.
#include "tools/ui/formulaswindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "data/helprouter.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "support/scriptedmessages.h"
#include "support/recordinghelp.h"

namespace {

class FormulasWindowTest : public ::testing::Test
{
protected:
    FormulasWindowTest() : m_store(m_dir.filePath(QStringLiteral("setup.ini"))), m_state(m_messages, m_store)
    {
        InitGlobals(m_state, QLocale::c());
        m_state.help = &m_help;
    }
    template <class T> T *find(const char *name)
    {
        T *w = m_window.findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    int page() { return find<QTabWidget>("PageControl")->currentIndex(); }
    void open()
    {
        m_window.selectFirstPage();
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
    void showPageOf(QWidget *w)
    {
        auto *pages = find<QTabWidget>("PageControl");
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(w))
                pages->setCurrentIndex(i);
    }
    // Replaces a field's text by typing and leaves it for `next`.
    void type(const char *name, const QString &keys, const char *next)
    {
        auto *field = find<QLineEdit>(name);
        showPageOf(field);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
        find<QLineEdit>(next)->setFocus();
    }

    QTemporaryDir m_dir;
    ScriptedMessages m_messages;
    SettingsStore m_store;
    AppState m_state;
    RecordingHelp m_help;
    FormulasWindow m_window{m_state};
};

TEST_F(FormulasWindowTest, FirstOpeningShowsStartValuesAndTheirResults)
{
    open();
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Useful Formulas"));
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(find<QLineEdit>("F1")->text(), QStringLiteral("1000.00"));
    EXPECT_EQ(find<QLineEdit>("FANEFF1")->text(), QStringLiteral("0.95"));
    EXPECT_EQ(find<QLineEdit>("POLES")->text(), QStringLiteral("4"));
    EXPECT_EQ(find<QLineEdit>("SPEED1")->text(), QStringLiteral("1750.00"));
    const std::pair<const char *, const char *> results[] = {
        {"FANHP", "1.59 HP"},       {"PUMPHP", "2.66 HP"},        {"ROTHP", "3.33 HP"},
        {"LINEARHP", "3.03 HP"},    {"TRQ1CALC", "300.11 LbFt"},  {"TRQCALC2", "1,000.00 LbFt"},
        {"TRQCALC3", "45.00 LbFt"}, {"SPD", "1,800.00 RPM"},      {"SLIP", "2.78 %"},
        {"O1", "2.40 Ohm(s)"},      {"O2", "10.00 Amp(s)"},       {"O3", "24.00 Volt(s)"},
        {"ACC", "137.70 A."},
    };
    for (const auto &[label, expected] : results)
        EXPECT_EQ(text(label), QLatin1String(expected)) << label;
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(FormulasWindowTest, EveryInputFieldShowsItsStoredValueAndTakesItsTypedLength)
{
    open();
    const FormulaInputs start;
    for (int i = 0; i < FormulaInputCount; ++i) {
        const auto input = static_cast<FormulaInput>(i);
        auto *field = m_window.findChild<QLineEdit *>(formulaInputName(input));
        ASSERT_NE(field, nullptr) << formulaInputName(input).toStdString();
        EXPECT_EQ(field->text(), formulaFieldText(input, start.value(input)));
    }
    struct Limit
    {
        const char *name;
        const char *typed;
        const char *kept;
    };
    const Limit limits[] = {{"FREQ", "123456", "1234"}, {"POLES", "123", "12"},      {"PF5", "0.123", "0.12"},
                            {"EFF5", "0.955", "0.95"},  {"GPM", "1234567", "123456"}};
    for (const Limit &l : limits) {
        auto *field = find<QLineEdit>(l.name);
        showPageOf(field);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QLatin1String(l.typed));
        EXPECT_EQ(field->text(), QLatin1String(l.kept)) << l.name;
    }
    EXPECT_EQ(m_messages.beeps(), 0);
}

TEST_F(FormulasWindowTest, FanExampleWithUnitListAndEfficiencyRepair)
{
    open();
    type("F1", QStringLiteral("10000"), "FANPRESS");
    type("FANPRESS", QStringLiteral("2"), "FANEFF1");
    find<QComboBox>("PRESSURE1")->setCurrentIndex(2); // inches of water gauge, recomputes at once
    type("FANEFF1", QStringLiteral("0.65"), "F1");
    EXPECT_EQ(text("FANHP"), QStringLiteral("4.84 HP"));
    EXPECT_EQ(m_messages.beeps(), 0);

    type("FANEFF1", QStringLiteral("65"), "F1");
    EXPECT_EQ(find<QLineEdit>("FANEFF1")->text(), QStringLiteral("1.00"));
    EXPECT_EQ(m_messages.beeps(), 1);
    EXPECT_EQ(text("FANHP"), QStringLiteral("3.15 HP"));

    // Keys other than digits, the point and backspace are dropped; typing stops at six characters.
    type("FANPRESS", QStringLiteral("a1-2,3e4567"), "F1");
    EXPECT_EQ(find<QLineEdit>("FANPRESS")->text(), QStringLiteral("123456"));
}

TEST_F(FormulasWindowTest, FaultsShowTheFailureTextOrKeepTheResult)
{
    open();
    type("PUMPEFF1", QStringLiteral("0"), "GPM"); // repaired to 0.10, never a division by zero
    EXPECT_EQ(find<QLineEdit>("PUMPEFF1")->text(), QStringLiteral("0.10"));
    EXPECT_EQ(m_messages.beeps(), 1);
    type("POLES", QStringLiteral("0"), "FREQ");
    EXPECT_EQ(text("SPD"), QStringLiteral("Error"));
    type("AMPS", QString(), "VOLTS"); // an empty field reads as 0
    EXPECT_EQ(text("O1"), QStringLiteral("Error"));
    type("SPEED2", QStringLiteral("0"), "HP1");
    EXPECT_EQ(find<QLineEdit>("SPEED2")->text(), QStringLiteral("1.00"));
    EXPECT_EQ(m_messages.beeps(), 2);
    EXPECT_EQ(text("TRQ1CALC"), QStringLiteral("525,200.00 LbFt"));
}

TEST_F(FormulasWindowTest, SlipBelowFullLoadSpeedWarns)
{
    open();
    m_messages.expect(MessageAnswer::Ok);
    type("FULLSPEED", QStringLiteral("1850"), "SYNCSPEED");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("Synchronous Speed must to be greater or equal to Full Load RPM!"));
    EXPECT_EQ(text("SLIP"), QStringLiteral("Error!"));
    type("SYNCSPEED", QStringLiteral("1900"), "FULLSPEED");
    EXPECT_EQ(text("SLIP"), QStringLiteral("2.63 %"));
    EXPECT_EQ(m_messages.shown().size(), 1u);
}

TEST_F(FormulasWindowTest, ThreePhaseSelectionEnablesFieldsAndCalculates)
{
    open();
    auto *selac = find<QComboBox>("SELAC");
    const char *names[] = {"CURR5", "HP5", "PF5", "EFF5"};
    const std::pair<int, std::array<bool, 4>> table[] = {
        {0, {false, true, true, true}}, {1, {true, true, true, false}}, {2, {true, true, false, true}},
        {3, {true, false, true, true}}, {4, {true, false, true, false}}, {5, {true, false, false, false}},
    };
    for (const auto &[index, enabled] : table) {
        selac->setCurrentIndex(index);
        EXPECT_TRUE(find<QLineEdit>("VOLT5")->isEnabled());
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(find<QLineEdit>(names[i])->isEnabled(), enabled[i]) << index << names[i];
    }
    // Changing the selection alone does not recompute.
    EXPECT_EQ(text("ACC"), QStringLiteral("137.70 A."));

    selac->setCurrentIndex(0);
    type("PF5", QStringLiteral("0.85"), "VOLT5");
    type("EFF5", QStringLiteral("0.9"), "VOLT5");
    EXPECT_EQ(text("ACC"), QStringLiteral("122.40 A."));
    selac->setCurrentIndex(4);
    QTest::mouseClick(find<QPushButton>("BitBtn12"), Qt::LeftButton);
    EXPECT_EQ(text("ACC"), QStringLiteral("101.58 kW"));
    type("PF5", QStringLiteral("85"), "VOLT5");
    EXPECT_EQ(find<QLineEdit>("PF5")->text(), QStringLiteral("1.00"));
    EXPECT_EQ(m_messages.beeps(), 1);
}

TEST_F(FormulasWindowTest, InputsAreKeptBetweenOpenings)
{
    open();
    type("VOLTS", QStringLiteral("120"), "AMPS");
    find<QComboBox>("PRESSURE2")->setCurrentIndex(1);
    QTest::mouseClick(find<QPushButton>("close_button"), Qt::LeftButton);
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_DOUBLE_EQ(m_window.inputs().value(FormulaInput::VOLTS), 120);
    EXPECT_EQ(m_window.inputs().pumpPressureUnit, 1);

    find<QTabWidget>("PageControl")->setCurrentIndex(3);
    open();
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(find<QLineEdit>("VOLTS")->text(), QStringLiteral("120.00"));
    EXPECT_EQ(text("O1"), QStringLiteral("12.00 Ohm(s)"));
    EXPECT_EQ(find<QComboBox>("PRESSURE2")->currentIndex(), 1);
    EXPECT_EQ(text("PUMPHP"), QStringLiteral("6.14 HP"));
}

TEST_F(FormulasWindowTest, NavigationAndHelp)
{
    open();
    auto *back = find<QPushButton>("GoBack_button");
    auto *next = find<QPushButton>("NextButton");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(page(), 0);
    for (int expected : {1, 2, 3, 4, 4}) {
        QTest::mouseClick(next, Qt::LeftButton);
        EXPECT_EQ(page(), expected);
    }
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(page(), 3);
    QTest::mouseClick(find<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(m_help.topics, QStringList{QStringLiteral("FORMULAS")});
}

TEST_F(FormulasWindowTest, PagesRender)
{
    open();
    const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
    auto *pages = find<QTabWidget>("PageControl");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const QPixmap shot = m_window.grab();
        EXPECT_FALSE(shot.isNull());
        if (!dir.isEmpty())
            shot.save(QStringLiteral("%1/formulas-page%2.png").arg(QString::fromLocal8Bit(dir)).arg(i + 1));
    }
}

} // namespace
