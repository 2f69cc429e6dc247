#include <gtest/gtest.h>

#include "analysis/fieldbinding.h"
#include "analysis/fieldrules.h"
#include "data/parameters.h"
#include "support/scriptedmessages.h"

namespace {

struct DefinedTable
{
    ScriptedMessages messages;
    ParameterTable table;
    DefinedTable() { table.DefineParameters(messages); }
    const ParameterDefinition &field(int number) const { return *table.at(number); }
};

} // namespace

TEST(FieldKeys, OnlyDigitsSignPointAndBackspacePass)
{
    for (QChar c : QStringLiteral("0123456789-.\b"))
        EXPECT_TRUE(KeyAccepted(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("a,+ eE/"))
        EXPECT_FALSE(KeyAccepted(c)) << int(c.unicode());
}

TEST(FieldCheck, ClampsWithBeepAndWritesTheParameterDecimals)
{
    const DefinedTable t;
    struct Case
    {
        int number;
        QString typed;
        QString shown;
        bool beep;
    };
    const Case cases[] = {
        {1, QStringLiteral("30"), QStringLiteral("24"), true},
        {2, QStringLiteral("0"), QStringLiteral("1"), true},
        {5, QStringLiteral("12.34"), QStringLiteral("12.3"), false},
        {4, QStringLiteral("7"), QStringLiteral("7.00"), false},
        {8, QStringLiteral("-5"), QStringLiteral("0.0"), true},
        {9, QString(), QStringLiteral("0"), false},
        {1, QString(), QStringLiteral("1"), true},
        {5, QStringLiteral("0.2"), QStringLiteral("0.2"), false}, // equal to the minimum in single precision
        {5, QStringLiteral("0.19"), QStringLiteral("0.2"), true},
        {6, QStringLiteral("100.04"), QStringLiteral("100.0"), true},
        {9, QStringLiteral("1.2.3"), QStringLiteral("1"), false},
        {10, QStringLiteral("-"), QStringLiteral("0"), false},
        {9, QStringLiteral("1e99"), QStringLiteral("1000000"), true},
    };
    for (const Case &c : cases) {
        const RangeCheckOutcome outcome = CheckRangeOutcome(c.typed, t.field(c.number));
        EXPECT_EQ(outcome.text, c.shown) << "A1" << c.number << " typed " << c.typed.toStdString();
        EXPECT_EQ(outcome.beep, c.beep) << "A1" << c.number << " typed " << c.typed.toStdString();
    }
}

TEST(FieldCheck, ValuesShowWithTheDecimalsOfTheirStepAndAreNotCutToTheTypedLimit)
{
    const DefinedTable t;
    EXPECT_EQ(FieldText(10.0f, t.field(4).step), QStringLiteral("10.00"));
    EXPECT_EQ(FieldText(150.0f, t.field(5).step), QStringLiteral("150.0"));
    EXPECT_EQ(FieldText(0.2f, t.field(5).step), QStringLiteral("0.2"));
    // A drive cost of 1000000 can come from a file: seven characters, more than can be typed.
    EXPECT_EQ(FieldText(1000000.0f, t.field(9).step), QStringLiteral("1000000"));
    // At most 10 characters.
    EXPECT_EQ(FieldText(123456789.0f, 100.0f), QStringLiteral("123456792."));
}

TEST(FieldCheck, StoredValuesStayInsideTheLimitsWhateverTheText)
{
    const DefinedTable t;
    EXPECT_FLOAT_EQ(StoredFieldValue(QStringLiteral("30"), t.field(1)), 24.0f);
    EXPECT_FLOAT_EQ(StoredFieldValue(QStringLiteral("-5"), t.field(8)), 0.0f);
    EXPECT_FLOAT_EQ(StoredFieldValue(QStringLiteral("12.34"), t.field(5)), 12.34f);
    EXPECT_FLOAT_EQ(StoredFieldValue(QString(), t.field(9)), 0.0f);
}

TEST(FieldBinding, GivesEachFieldThePositionOfItsParameter)
{
    DefinedTable t;
    FieldTags tags;
    tags.fill(PlaceholderTag);
    BindParameterFields(t.table, t.messages, tags);
    for (int number = 1; number <= BoundFieldCount; ++number)
        EXPECT_EQ(tags[static_cast<size_t>(number - 1)], number);
    EXPECT_EQ(ParameterFieldName(7), QStringLiteral("A107"));
    EXPECT_EQ(ParameterFieldName(19), QStringLiteral("A119"));
    EXPECT_TRUE(t.messages.shown().empty());
}

TEST(FieldBinding, SkipsOtherGroupsAndStopsOnANumberWithoutField)
{
    ScriptedMessages messages;
    ParameterTable table;
    table.AddParameter(messages, 1, QLatin1Char('A'), QLatin1Char('1'), 3, {}, {}, 5, 1, 52, 1, 0);
    table.AddParameter(messages, 2, QLatin1Char('B'), QLatin1Char('1'), 40, {}, {}, 5, 1, 52, 1, 0);
    FieldTags tags;
    tags.fill(PlaceholderTag);
    BindParameterFields(table, messages, tags);
    EXPECT_EQ(tags[2], 1);
    EXPECT_EQ(tags[0], PlaceholderTag);
    EXPECT_TRUE(messages.shown().empty());

    table.AddParameter(messages, 3, QLatin1Char('A'), QLatin1Char('1'), 20, {}, {}, 5, 1, 52, 1, 0);
    messages.expect(MessageAnswer::Ok);
    EXPECT_THROW(BindParameterFields(table, messages, tags), ScriptedMessages::Terminated);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("TAG NUMBER A1 NOT FOUND!"));
}

TEST(FieldBinding, ATagOfZeroOrWithoutDefinitionEndsTheProgram)
{
    for (int tag : {0, PlaceholderTag}) {
        DefinedTable t;
        t.messages.expect(MessageAnswer::Yes);
        EXPECT_THROW(TaggedDefinition(tag, t.table, t.messages), ScriptedMessages::Terminated);
        ASSERT_EQ(t.messages.shown().size(), 1u);
        EXPECT_EQ(t.messages.shown()[0].kind, MessageKind::Warning);
        EXPECT_EQ(t.messages.shown()[0].text, QStringLiteral("LIST TAG NUMBER = 0"));
        EXPECT_EQ(t.messages.shown()[0].buttons, MessageButtons::Yes);
    }
}
