// The program setup dialog driven through its widgets, against a private settings file.
#include "setup/ui/setupdialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "setup/options.h"
#include "setup/settingsstore.h"
#include "setup/ui/logodialog.h"
#include "shell/appstate.h"
#include "support/scriptedmessages.h"

namespace {

class SetupDialogTest : public ::testing::Test
{
protected:
    SetupDialogTest() : m_store(m_dir.filePath(QStringLiteral("setup.ini"))), m_state(m_messages, m_store)
    {
        InitGlobals(m_state, QLocale::c());
    }

    void load() { Load_OPT(m_store, m_state.options, m_state.setupFields); }
    void put(const QString &section, const QString &item, const QString &value)
    {
        m_store.writeString(section, item, value);
    }
    QString stored(const QString &section, const QString &item)
    {
        QSettings raw(m_dir.filePath(QStringLiteral("setup.ini")), QSettings::IniFormat);
        return raw.value(QStringLiteral("SETUP/%1/%2").arg(section, item)).toString();
    }
    template <class T> T *find(SetupDialog &d, const char *name)
    {
        T *w = d.findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    int page(SetupDialog &d) { return find<QTabWidget>(d, "PageControl")->currentIndex(); }
    // Shows the dialog as a window that can take focus, so leaving a field is a real focus change.
    void open(SetupDialog &d)
    {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }
    void showPageOf(SetupDialog &d, QWidget *w)
    {
        auto *pages = find<QTabWidget>(d, "PageControl");
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(w))
                pages->setCurrentIndex(i);
    }
    QLineEdit *otherField(SetupDialog &d, QLineEdit *field)
    {
        const char *name = field->objectName() == QLatin1String("DE100") ? "DE90" : "DE100";
        auto *other = find<QLineEdit>(d, name);
        showPageOf(d, other);
        return other;
    }

    QTemporaryDir m_dir;
    ScriptedMessages m_messages;
    SettingsStore m_store;
    AppState m_state;
};

TEST_F(SetupDialogTest, ShowFillsTheFieldsFromMemory)
{
    put(QStringLiteral("EFF"), QStringLiteral("IVE30"), QStringLiteral("1.5"));
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM1TITLE"), QStringLiteral("123456789012345678901234567890"));
    put(QStringLiteral("USER"), QStringLiteral("CPINFO"), QStringLiteral("ACME\r\nSpringfield"));
    put(QStringLiteral("CUSTOMREP"), QStringLiteral("LOGOFN"), QStringLiteral("/logos/acme.png"));
    load();
    SetupDialog d(m_state);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Program Setup"));
    EXPECT_EQ(find<QLineEdit>(d, "DE90")->text(), QStringLiteral("0.768"));
    EXPECT_EQ(find<QLineEdit>(d, "IVE30")->text(), QStringLiteral("1.500"));
    EXPECT_EQ(find<QLineEdit>(d, "VFDE100")->text(), QStringLiteral("0.970"));
    EXPECT_EQ(find<QLineEdit>(d, "C2E10")->text(), QStringLiteral("1.000"));
    // A 30-character title stays whole although typing admits 25.
    EXPECT_EQ(find<QLineEdit>(d, "CustomTitle1")->text().size(), 30);
    EXPECT_EQ(find<QPlainTextEdit>(d, "CompanyInfo")->toPlainText(), QStringLiteral("ACME\nSpringfield"));
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->text(), QStringLiteral("/logos/acme.png"));
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->toolTip(), QStringLiteral("/logos/acme.png"));
    EXPECT_TRUE(find<QCheckBox>(d, "L1")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(d, "L6")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(d, "L3")->isChecked());

    // Only the full-flow drive efficiency and no hidden option is on view.
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(1);
    EXPECT_TRUE(find<QLineEdit>(d, "VFDE100")->isVisible());
    EXPECT_FALSE(find<QLineEdit>(d, "VFDE90")->isVisible());
    EXPECT_FALSE(find<QCheckBox>(d, "DAMPERSELECT")->isVisible());
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(0);
    EXPECT_FALSE(find<QCheckBox>(d, "L4")->isVisible());
    EXPECT_FALSE(find<QCheckBox>(d, "L5")->isVisible());
    EXPECT_TRUE(find<QCheckBox>(d, "L7")->isVisible());
}

TEST_F(SetupDialogTest, EveryTableFieldIsThereWithItsEntry)
{
    load();
    m_state.options.table(EfficiencyTable::Custom2)[3] = 0.4567;
    SetupDialog d(m_state);
    d.show();
    for (int t = 0; t < EfficiencyTableCount; ++t) {
        for (int i = 0; i < FlowStepCount; ++i) {
            const auto table = static_cast<EfficiencyTable>(t);
            auto *field = d.findChild<QLineEdit *>(tableItem(table, i));
            ASSERT_NE(field, nullptr) << tableItem(table, i).toStdString();
            EXPECT_EQ(field->text(), factorText(m_state.options.table(table)[i]));
        }
    }
    EXPECT_EQ(find<QLineEdit>(d, "C2E70")->text(), QStringLiteral("0.457"));
}

TEST_F(SetupDialogTest, TableFieldsFilterKeysAndAreRepairedWhenLeft)
{
    load();
    SetupDialog d(m_state);
    open(d);
    auto *de50 = find<QLineEdit>(d, "DE50");
    showPageOf(d, de50);
    de50->setFocus();
    de50->end(false);
    QTest::keyClicks(de50, QStringLiteral("abc-+ ,e"));
    EXPECT_EQ(de50->text(), QStringLiteral("0.177"));

    struct Case
    {
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {{"2", "1.000"},     {"1.2", "1.000"},  {".", "0.000"},  {".5", "0.500"},
                          {"0.12345", "0.123"}, {"", "0.000"},   {"0.5.5", "0.500"}, {"0", "0.000"}};
    for (const Case &c : cases) {
        showPageOf(d, de50);
        de50->setFocus();
        de50->selectAll();
        QTest::keyClick(de50, Qt::Key_Backspace);
        QTest::keyClicks(de50, QLatin1String(c.typed));
        otherField(d, de50)->setFocus();
        EXPECT_EQ(de50->text(), QLatin1String(c.shown)) << c.typed;
    }
    // Leaving a field changes nothing in memory or in the store before OK.
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[5], 0.1767);
    EXPECT_TRUE(stored(QStringLiteral("EFF"), QStringLiteral("DE50")).isEmpty());
    EXPECT_EQ(m_messages.beeps(), 0);
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(SetupDialogTest, OkStoresTheFieldsAsShown)
{
    load();
    SetupDialog d(m_state);
    open(d);
    auto *de50 = find<QLineEdit>(d, "DE50");
    showPageOf(d, de50);
    de50->setFocus();
    de50->selectAll();
    QTest::keyClicks(de50, QStringLiteral("0.12345"));
    otherField(d, de50)->setFocus();
    auto *title = find<QLineEdit>(d, "CustomTitle2");
    showPageOf(d, title);
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("Eddy current clutch with a long name"));
    EXPECT_EQ(title->text().size(), 25);
    find<QCheckBox>(d, "CUST2SELECT")->setChecked(true);
    find<QCheckBox>(d, "L7")->setChecked(true);

    QTest::mouseClick(find<QPushButton>(d, "SelectBtn"), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("DE50")), QStringLiteral("0.123"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("DE90")), QStringLiteral("0.768"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("VFDE100")), QStringLiteral("0.970"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("CUSTOM2TITLE")), QStringLiteral("Eddy current clutch with "));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("CUSTOM2")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("PROGRAM"), QStringLiteral("L7")), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[5], 0.123);
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[1], 0.768);
    EXPECT_TRUE(m_state.options.custom2InUse);
}

TEST(SetupDialogStore, OkOnAnUnwritableStoreWarnsAndKeepsTheOptionsForTheRun)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("notafolder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedMessages messages;
    SettingsStore store(dir.filePath(QStringLiteral("notafolder/setup.ini")));
    AppState state(messages, store);
    InitGlobals(state, QLocale::c());
    Load_OPT(store, state.options, state.setupFields);
    SetupDialog d(state);
    d.show();
    d.findChild<QCheckBox *>(QStringLiteral("L7"))->setChecked(true);
    messages.expect(MessageAnswer::Ok);
    QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("SelectBtn")), Qt::LeftButton);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("The program settings could not be saved.")));
    EXPECT_TRUE(state.options.flag(7));
    EXPECT_FALSE(d.isVisible());
}

TEST_F(SetupDialogTest, OkWithoutLeavingTheFieldStoresTheRepairedText)
{
    load();
    SetupDialog d(m_state);
    open(d);
    auto *ive70 = find<QLineEdit>(d, "IVE70");
    showPageOf(d, ive70);
    ive70->setFocus();
    ive70->selectAll();
    QTest::keyClicks(ive70, QStringLiteral("7"));
    // Alt+O presses OK without moving the focus out of the field, as click() does.
    find<QPushButton>(d, "SelectBtn")->click();
    ASSERT_EQ(d.focusWidget(), ive70);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("IVE70")), QStringLiteral("1.000"));
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::InletVane)[3], 1.0);
}

TEST_F(SetupDialogTest, ResetTakesEffectAtOnceAndCancelKeepsTheStore)
{
    put(QStringLiteral("EFF"), QStringLiteral("DE50"), QStringLiteral("0.3"));
    put(QStringLiteral("EFF"), QStringLiteral("C1E10"), QStringLiteral("0.5"));
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM1TITLE"), QStringLiteral("Bypass"));
    put(QStringLiteral("EFF"), QStringLiteral("CUSTOM1"), QStringLiteral("1"));
    load();
    SetupDialog d(m_state);
    open(d);
    EXPECT_EQ(find<QLineEdit>(d, "DE50")->text(), QStringLiteral("0.300"));
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(1);
    QTest::mouseClick(find<QPushButton>(d, "BitBtn20"), Qt::LeftButton);
    EXPECT_EQ(find<QLineEdit>(d, "DE50")->text(), QStringLiteral("0.177"));
    EXPECT_EQ(find<QLineEdit>(d, "C1E10")->text(), QStringLiteral("1.000"));
    EXPECT_EQ(find<QLineEdit>(d, "CustomTitle1")->text(), QStringLiteral("Bypass"));
    EXPECT_TRUE(find<QCheckBox>(d, "CUST1SELECT")->isChecked());
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[5], 0.1767);

    QTest::mouseClick(find<QPushButton>(d, "cancel_button"), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    // The estimation goes on with the defaults; the store keeps the old values.
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[5], 0.1767);
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Custom1)[9], 1.0);
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("DE50")), QStringLiteral("0.3"));
    EXPECT_EQ(stored(QStringLiteral("EFF"), QStringLiteral("C1E10")), QStringLiteral("0.5"));
    load();
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[5], 0.3);
}

TEST_F(SetupDialogTest, CancelWritesNothingButTypedTextsStandUntilTheNextShow)
{
    put(QStringLiteral("USER"), QStringLiteral("PREP"), QStringLiteral("J. Smith"));
    load();
    const QStringList keysBefore = QSettings(m_dir.filePath(QStringLiteral("setup.ini")), QSettings::IniFormat).allKeys();
    SetupDialog d(m_state);
    open(d);
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(3);
    auto *preparer = find<QPlainTextEdit>(d, "PRBY");
    preparer->setFocus();
    preparer->moveCursor(QTextCursor::End);
    QTest::keyClicks(preparer, QStringLiteral(", Sales"));
    find<QCheckBox>(d, "L2")->setChecked(false);
    auto *de10 = find<QLineEdit>(d, "DE10");
    de10->setText(QStringLiteral("0.5"));
    QTest::mouseClick(find<QPushButton>(d, "cancel_button"), Qt::LeftButton);

    EXPECT_EQ(QSettings(m_dir.filePath(QStringLiteral("setup.ini")), QSettings::IniFormat).allKeys(), keysBefore);
    EXPECT_EQ(stored(QStringLiteral("USER"), QStringLiteral("PREP")), QStringLiteral("J. Smith"));
    EXPECT_TRUE(m_state.options.flag(2));
    EXPECT_DOUBLE_EQ(m_state.options.table(EfficiencyTable::Damper)[9], 0.0033);
    // The report reads the dialog's texts, so the cancelled edit is what it would print now.
    EXPECT_EQ(m_state.setupFields.preparer, QStringLiteral("J. Smith, Sales"));

    d.show();
    EXPECT_EQ(preparer->toPlainText(), QStringLiteral("J. Smith"));
    EXPECT_EQ(m_state.setupFields.preparer, QStringLiteral("J. Smith"));
    EXPECT_TRUE(find<QCheckBox>(d, "L2")->isChecked());
    EXPECT_EQ(de10->text(), QStringLiteral("0.003"));
}

TEST_F(SetupDialogTest, TextBlocksAdmitTwoHundredFortyTypedCharacters)
{
    load();
    SetupDialog d(m_state);
    open(d);
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(3);
    auto *company = find<QPlainTextEdit>(d, "CompanyInfo");
    company->setFocus();
    QTest::keyClicks(company, QString(250, QLatin1Char('a')));
    EXPECT_EQ(company->toPlainText().size(), 240);
    EXPECT_EQ(m_state.setupFields.company.size(), 240);
}

TEST_F(SetupDialogTest, PageNavigationDoesNotWrap)
{
    load();
    SetupDialog d(m_state);
    open(d);
    auto *back = find<QPushButton>(d, "GoBack_button");
    auto *next = find<QPushButton>(d, "NextButton");
    EXPECT_EQ(page(d), 0);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(page(d), 0);
    for (int expected : {1, 2, 3, 3}) {
        QTest::mouseClick(next, Qt::LeftButton);
        EXPECT_EQ(page(d), expected);
    }
    // Escape goes back a page and does not close the dialog.
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(page(d), 2);
    EXPECT_TRUE(d.isVisible());

    find<QTabWidget>(d, "PageControl")->setCurrentIndex(0);
    QTest::mouseClick(find<QLabel>(d, "NOTE3"), Qt::LeftButton);
    EXPECT_EQ(page(d), 3);
    EXPECT_EQ(find<QLabel>(d, "NOTE3")->text(), QStringLiteral("Click here to setup your logo."));

    // The page is kept between openings.
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(1);
    d.hide();
    d.show();
    EXPECT_EQ(page(d), 1);
}

TEST_F(SetupDialogTest, ReportLayoutOpeningShowsPageFourWithoutReloading)
{
    load();
    put(QStringLiteral("EFF"), QStringLiteral("DE50"), QStringLiteral("0.4")); // not loaded
    SetupDialog d(m_state);
    int shownPage = -1;
    QString shownField;
    QTimer::singleShot(0, &d, [&] {
        shownPage = page(d);
        shownField = find<QLineEdit>(d, "DE50")->text();
        d.reject();
    });
    d.openOnReportLayout();
    EXPECT_EQ(shownPage, 3);
    EXPECT_EQ(shownField, QStringLiteral("0.177"));
}

// The logo button hands the field's name to the logo dialog and takes back an accepted picture.
class SetupLogoTest : public SetupDialogTest
{
protected:
    QString makePicture()
    {
        const QString path = m_dir.filePath(QStringLiteral("logo.png"));
        QImage image(40, 16, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QString makeNonPicture()
    {
        const QString path = m_dir.filePath(QStringLiteral("notes.png"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a picture\n");
        return path;
    }
    // Presses VIEWLOGO and, inside the logo dialog, selects `file` (if any) and presses `button`.
    void runLogo(SetupDialog &d, LogoDialog &logo, const QString &file, const char *button)
    {
        logo.setPictureChooser([file](QWidget *) { return file; });
        QTimer::singleShot(0, &logo, [&logo, file, button] {
            if (!file.isEmpty())
                QTest::mouseClick(logo.findChild<QPushButton *>(QStringLiteral("SpeedButton3")), Qt::LeftButton);
            QTest::mouseClick(logo.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        });
        QTest::mouseClick(find<QPushButton>(d, "VIEWLOGO"), Qt::LeftButton);
    }
};

TEST_F(SetupLogoTest, AcceptedPictureFillsTheField)
{
    load();
    SetupDialog d(m_state);
    LogoDialog logo(m_state);
    d.setLogoDialog(&logo);
    d.show();
    find<QTabWidget>(d, "PageControl")->setCurrentIndex(3);
    const QString picture = makePicture();
    runLogo(d, logo, picture, "SpeedButton1");
    EXPECT_TRUE(logo.accepted());
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->text(), picture);
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->toolTip(), picture);
    EXPECT_EQ(m_state.options.logoFileName, picture);

    // Cancel of the setup dialog keeps the new logo in memory only.
    QTest::mouseClick(find<QPushButton>(d, "cancel_button"), Qt::LeftButton);
    EXPECT_EQ(m_state.options.logoFileName, picture);
    EXPECT_TRUE(stored(QStringLiteral("CUSTOMREP"), QStringLiteral("LOGOFN")).isEmpty());
}

TEST_F(SetupLogoTest, EmptyNameAndOkIsNotAccepted)
{
    load();
    SetupDialog d(m_state);
    LogoDialog logo(m_state);
    d.setLogoDialog(&logo);
    d.show();
    runLogo(d, logo, QString(), "SpeedButton1");
    EXPECT_FALSE(logo.accepted());
    EXPECT_TRUE(find<QLineEdit>(d, "LOGOFILEN")->text().isEmpty());
}

TEST_F(SetupLogoTest, NonPictureWarnsAndIsNotAccepted)
{
    put(QStringLiteral("CUSTOMREP"), QStringLiteral("LOGOFN"), QStringLiteral("/no/such/logo.png"));
    load();
    SetupDialog d(m_state);
    LogoDialog logo(m_state);
    d.setLogoDialog(&logo);
    d.show();
    const QString junk = makeNonPicture();
    m_messages.expect(MessageAnswer::Ok);
    runLogo(d, logo, junk, "SpeedButton1");
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("Invalid graphic format, company logo not loaded !"));
    EXPECT_EQ(m_messages.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(logo.accepted());
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->text(), QStringLiteral("/no/such/logo.png"));
    // The chosen path stays as the logo file name until Cancel or the next load.
    EXPECT_EQ(m_state.options.logoFileName, junk);
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->toolTip(), junk);
}

TEST_F(SetupLogoTest, CancelAfterSelectingRestoresTheName)
{
    const QString old = makePicture();
    put(QStringLiteral("CUSTOMREP"), QStringLiteral("LOGOFN"), old);
    load();
    SetupDialog d(m_state);
    LogoDialog logo(m_state);
    d.setLogoDialog(&logo);
    d.show();
    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(Qt::red);
    const QString otherPath = m_dir.filePath(QStringLiteral("other.bmp"));
    ASSERT_TRUE(other.save(otherPath));
    runLogo(d, logo, otherPath, "SpeedButton2");
    EXPECT_FALSE(logo.accepted());
    EXPECT_EQ(m_state.options.logoFileName, old);
    EXPECT_EQ(find<QLineEdit>(d, "LOGOFILEN")->text(), old);
}

TEST_F(SetupDialogTest, PagesRender)
{
    put(QStringLiteral("USER"), QStringLiteral("CPINFO"), QStringLiteral("ACME Drives Inc.\r\n12 Main Street\r\nSpringfield"));
    put(QStringLiteral("USER"), QStringLiteral("PREP"), QStringLiteral("John Smith\r\nApplication Engineer"));
    load();
    SetupDialog d(m_state);
    d.show();
    const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
    auto *pages = find<QTabWidget>(d, "PageControl");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const QPixmap shot = d.grab();
        EXPECT_FALSE(shot.isNull());
        if (!dir.isEmpty())
            shot.save(QStringLiteral("%1/setup-page%2.png").arg(QString::fromLocal8Bit(dir)).arg(i + 1));
    }
}

} // namespace
