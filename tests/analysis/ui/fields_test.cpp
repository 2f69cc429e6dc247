#include <gtest/gtest.h>

#include <QClipboard>

#include "analysiswindow.h"

TEST(AnalysisFields, KeyFilterSwallowsTypedLettersButNotPaste)
{
    AnalysisWindow w;
    w.show();
    w.type("A101", QStringLiteral("a,1 2+"));
    EXPECT_EQ(w.field("A101")->text(), QStringLiteral("12"));
    w.type("A105", QStringLiteral("-1.5e"));
    EXPECT_EQ(w.field("A105")->text(), QStringLiteral("-1.5"));

    QApplication::clipboard()->setText(QStringLiteral("x9"));
    w.field("A102")->setFocus();
    w.field("A102")->selectAll();
    QTest::keyClick(w.field("A102"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field("A102")->text(), QStringLiteral("x9"));

    // Customer fields take any character.
    w.type("Companyfor", QStringLiteral("Acme, Inc."));
    EXPECT_EQ(w.field("Companyfor")->text(), QStringLiteral("Acme, Inc."));
}

TEST(AnalysisFields, LeavingAFieldClampsWithABeepAndShowsTheDecimals)
{
    struct Case
    {
        const char *field;
        QString typed;
        QString shown;
        int beeps;
    };
    const Case cases[] = {
        {"A101", QStringLiteral("30"), QStringLiteral("24"), 1},   {"A102", QStringLiteral("0"), QStringLiteral("1"), 1},
        {"A105", QStringLiteral("12.34"), QStringLiteral("12.3"), 0}, {"A104", QStringLiteral("7"), QStringLiteral("7.00"), 0},
        {"A108", QStringLiteral("-5"), QStringLiteral("0.0"), 1},  {"A109", QString(), QStringLiteral("0"), 0},
        {"A101", QString(), QStringLiteral("1"), 1},               {"A105", QStringLiteral("0.2"), QStringLiteral("0.2"), 0},
    };
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    for (const Case &c : cases) {
        w.state.record.projectModified = false;
        const int beepsBefore = w.messages.beeps();
        w.type(c.field, c.typed);
        if (c.typed.isEmpty())
            QTest::keyClick(w.field(c.field), Qt::Key_Delete);
        w.leaveTo("A106");
        EXPECT_EQ(w.field(c.field)->text(), c.shown) << c.field << " typed " << c.typed.toStdString();
        EXPECT_EQ(w.messages.beeps() - beepsBefore, c.beeps) << c.field << " typed " << c.typed.toStdString();
        EXPECT_TRUE(w.state.record.projectModified) << c.field;
    }
    EXPECT_TRUE(w.messages.shown().empty());
}

TEST(AnalysisFields, LeavingAFieldUnchangedStillMarksTheProject)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    w.field("A103")->setFocus(Qt::TabFocusReason);
    w.state.record.projectModified = false;
    w.leaveTo("A104");
    EXPECT_TRUE(w.state.record.projectModified);
    EXPECT_EQ(w.field("A103")->text(), QStringLiteral("52"));
    EXPECT_EQ(w.messages.beeps(), 0);
}

TEST(AnalysisFields, TheLimitHoldsTypingOnlyNotTextsPutInByTheProgram)
{
    AnalysisWindow w;
    w.show();
    w.type("A109", QStringLiteral("12345678"));
    EXPECT_EQ(w.field("A109")->text(), QStringLiteral("123456"));
    w.type("Titlefor", QStringLiteral("Director"));
    EXPECT_EQ(w.field("Titlefor")->text(), QStringLiteral("Direc"));
    // A paste fills the room that is left.
    QApplication::clipboard()->setText(QStringLiteral("98765"));
    w.type("A103", QStringLiteral("12"));
    QTest::keyClick(w.field("A103"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field("A103")->text(), QStringLiteral("129876"));

    // A file may hold longer texts and a drive cost of 1000000.
    const QString longName(60, QLatin1Char('N'));
    w.form->setText(ProjectText::Company, longName);
    EXPECT_EQ(w.form->text(ProjectText::Company), longName);
    EXPECT_EQ(w.field("Companyfor")->cursorPosition(), 0); // its beginning shows
    w.field("Companyfor")->setFocus();
    QTest::keyClick(w.field("Companyfor"), Qt::Key_End);
    QTest::keyClick(w.field("Companyfor"), Qt::Key_Backspace);
    EXPECT_EQ(w.field("Companyfor")->text().size(), 59); // a long text can still be shortened
    w.form->hide();
    w.state.parameters.at(9)->value = 1000000.0f;
    w.show();
    EXPECT_EQ(w.field("A109")->text(), QStringLiteral("1000000"));
}

TEST(AnalysisFields, CustomerTextsAreTheProjectTextsAndMarkTheProject)
{
    AnalysisWindow w;
    w.show();
    w.state.record.projectModified = false;
    w.type("PREPFOR", QStringLiteral("J"));
    EXPECT_TRUE(w.state.record.projectModified);
    EXPECT_EQ(w.form->text(ProjectText::Name), QStringLiteral("J"));
    w.state.record.projectModified = false;
    w.form->setText(ProjectText::ProjectName, QStringLiteral("Plant 4"));
    EXPECT_EQ(w.field("PROJECTNAME")->text(), QStringLiteral("Plant 4"));
    EXPECT_TRUE(w.state.record.projectModified);
    for (int i = 0; i < ProjectTextCount; ++i)
        EXPECT_TRUE(w.form->findChild<QLineEdit *>(ProjectTextFieldNames[static_cast<size_t>(i)]));
}

TEST(AnalysisFields, FieldsCarryTheirParameterPositionsAndTheDriveEfficiencyIsHidden)
{
    AnalysisWindow w;
    for (int number = 1; number <= 19; ++number) {
        const QString name = QStringLiteral("A1%1").arg(number, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(w.form->findChild<QLineEdit *>(name)->property("tag").toInt(), number) << name.toStdString();
    }
    EXPECT_EQ(w.field("PROJECTNAME")->property("tag").toInt(), 228);
    w.show();
    w.pages()->setCurrentIndex(1);
    EXPECT_FALSE(w.field("A107")->isVisible());
    EXPECT_FALSE(w.label("DRIVEEFF")->isVisible());
    EXPECT_EQ(w.label("DRIVEEFF")->text(), QStringLiteral("97.00"));
    EXPECT_TRUE(w.field("A106")->isVisible());
    EXPECT_EQ(w.field("A104")->text(), QStringLiteral("10.00"));
    EXPECT_EQ(w.field("A105")->text(), QStringLiteral("150.0"));
}

TEST(AnalysisFields, ValuesMoveToTheTableWhenAMessageBoxComesOrTheWindowCloses)
{
    AnalysisWindow w;
    w.show();
    w.pages()->setCurrentIndex(1);
    w.typeAndLeave("A101", QStringLiteral("12"), "A102");
    EXPECT_FLOAT_EQ(w.state.parameters.value(1), 24.0f); // not yet
    // The duty check's message comes in front: the fields are copied first.
    w.typeAndLeave("A119", QStringLiteral("5"), "A118");
    w.messages.expect(MessageAnswer::Ok);
    w.button("BitBtn2")->click();
    EXPECT_FLOAT_EQ(w.state.parameters.value(1), 12.0f);
    EXPECT_FLOAT_EQ(w.state.parameters.value(19), 5.0f);

    w.typeAndLeave("A119", QStringLiteral("0"), "A118");
    w.typeAndLeave("A102", QStringLiteral("5"), "A103");
    w.form->reject();
    EXPECT_FLOAT_EQ(w.state.parameters.value(2), 5.0f);
}

TEST(AnalysisFields, SaveEstimationTakesTheValueTypedLastWithTheFocusStillInItsField)
{
    AnalysisWindow w;
    float savedHours = 0;
    float savedCost = 0;
    int saves = 0;
    w.form->setSaveCommand([&] {
        ++saves;
        savedHours = w.state.parameters.value(1);
        savedCost = w.state.parameters.value(9);
    });
    w.show();
    w.pages()->setCurrentIndex(1);
    w.typeAndLeave("A109", QStringLiteral("8000"), "A108");
    w.type("A101", QStringLiteral("30"));
    ASSERT_EQ(QApplication::focusWidget(), w.field("A101"));
    w.button("BitBtn14")->click(); // a click by the program leaves the focus where it is
    EXPECT_EQ(saves, 1);
    EXPECT_FLOAT_EQ(savedCost, 8000.0f);
    // The field gets its check first: the saved value is inside the limits, with the beep.
    EXPECT_FLOAT_EQ(savedHours, 24.0f);
    EXPECT_EQ(w.field("A101")->text(), QStringLiteral("24"));
    EXPECT_EQ(w.messages.beeps(), 1);
}
