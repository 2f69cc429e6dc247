#include "data/dpiscaling.h"
#include "data/parameters.h"
#include "data/programpaths.h"

#include "support/scriptedmessages.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(ParameterTable, DefinesTheNineteenProjectParameters)
{
    ScriptedMessages messages;
    ParameterTable table;
    table.DefineParameters(messages);
    ASSERT_EQ(table.count(), 19);
    EXPECT_EQ(table.at(1)->key(), QStringLiteral("A1-01"));
    EXPECT_EQ(table.at(19)->fieldName(), QStringLiteral("A119"));
    EXPECT_FLOAT_EQ(table.value(5), 150.0f);
    EXPECT_EQ(table.at(5)->minimum, 0.2f);
    EXPECT_EQ(fieldDecimals(table.at(4)->step), 2);
    EXPECT_EQ(fileDecimals(table.at(5)->step), 1);
    int duty = 0;
    for (int pos = 10; pos <= 19; ++pos)
        duty += static_cast<int>(table.value(pos));
    EXPECT_EQ(duty, 100);
    EXPECT_TRUE(messages.shown().empty());
}

struct BadDefinition
{
    float def, min, max, step;
    int editKind;
    const char *message;
};

class AddParameterFatal : public ::testing::TestWithParam<BadDefinition> {};

TEST_P(AddParameterFatal, ShowsItsMessageAndEndsTheProgram)
{
    const BadDefinition &b = GetParam();
    ScriptedMessages messages;
    messages.expect(MessageAnswer::Ok);
    ParameterTable table;
    EXPECT_THROW(table.AddParameter(messages, 7, QLatin1Char('A'), QLatin1Char('1'), 7, {}, {}, b.def, b.min, b.max,
                                    b.step, static_cast<std::uint8_t>(b.editKind)),
                 ScriptedMessages::Terminated);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown()[0].text, QString::fromLatin1(b.message));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, AddParameterFatal,
    ::testing::Values(BadDefinition{5, 5, 5, 1, 0, "PARAMETER LIST ERROR MIN>=MAX LIST NO. :7"},
                      BadDefinition{5, 0, 10, 0, 0, "RANGE STEP LIST ERROR LIST NO. :7"},
                      BadDefinition{5, 0, 10, 0.5f, 0, "RANGE STEP LIST ERROR LIST < 1 NO. :7"},
                      BadDefinition{11, 0, 10, 1, 0, "DEFAULT VALUE VF not in Range LIST NO :7"},
                      BadDefinition{5, 0, 10, 1, 3, "EDIT TYPE is not 0/1 LIST NO :7"}));

TEST(ParameterTable, DefaultAtEitherLimitAndEditKindTwoAreAccepted)
{
    ScriptedMessages messages;
    ParameterTable table;
    table.AddParameter(messages, 1, QLatin1Char('A'), QLatin1Char('1'), 1, {}, {}, 0, 0, 10, 1, 2);
    table.AddParameter(messages, 2, QLatin1Char('A'), QLatin1Char('1'), 2, {}, {}, 10, 0, 10, 1, 0);
    EXPECT_EQ(table.count(), 2);
}

TEST(ParameterTable, CapacityIsChecked)
{
    ScriptedMessages messages;
    ParameterTable table;
    for (int pos = 1; pos <= ParameterTable::Capacity; ++pos)
        table.AddParameter(messages, static_cast<std::uint16_t>(pos), QLatin1Char('A'), QLatin1Char('2'), 1, {}, {}, 1, 0,
                           2, 1, 0);
    messages.expect(MessageAnswer::Ok);
    EXPECT_THROW(table.AddParameter(messages, 1, QLatin1Char('A'), QLatin1Char('2'), 1, {}, {}, 1, 0, 2, 1, 0),
                 ScriptedMessages::Terminated);
    EXPECT_EQ(messages.shown().back().text, QStringLiteral("Maximum number of parameters exceeded !"));
}

TEST(DpiScaling, LengthRuleAndAnchors)
{
    EXPECT_EQ(scaleLength(100, 96), 100);
    EXPECT_EQ(scaleLength(100, 120), 125);
    EXPECT_EQ(scaleLength(7, 144), 11); // (7*144 + 48) / 96 = 11
    const QSize parent(400, 300);
    EXPECT_EQ(scaleControlGeometry(QRect(10, 10, 100, 20), parent, {}, 96), QRect(10, 10, 100, 20));
    // Left anchor only: left and width scale.
    EXPECT_EQ(scaleControlGeometry(QRect(8, 8, 100, 20), parent, {}, 120), QRect(10, 10, 125, 25));
    // Left and right anchors: keeps its right-hand gap scaled.
    ScaleAnchors both;
    both.right = true;
    EXPECT_EQ(scaleControlGeometry(QRect(8, 8, 100, 20), parent, both, 120).width(), 400 - 10 - 365);
    // A single-line edit keeps its height.
    ScaleAnchors edit;
    edit.singleLineEdit = true;
    EXPECT_EQ(scaleControlGeometry(QRect(8, 8, 100, 21), parent, edit, 120).height(), 21);
    // Client-aligned controls are left alone.
    ScaleAnchors client;
    client.align = ScaleAnchors::Align::Client;
    EXPECT_EQ(scaleControlGeometry(QRect(0, 0, 400, 300), parent, client, 120), QRect(0, 0, 400, 300));
}

TEST(ProgramPaths, TemporaryFolderIsPrivateAndStable)
{
    ProgramPaths paths;
    const QString temp = paths.tempPath();
    ASSERT_FALSE(temp.isEmpty());
    EXPECT_EQ(paths.tempPath(), temp);
    const QFileInfo info(temp);
    EXPECT_TRUE(info.isDir());
    EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_FALSE(paths.programPath().endsWith(QLatin1Char('/')));
}

} // namespace
