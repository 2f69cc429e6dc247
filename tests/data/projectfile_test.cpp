#include "data/codepage1252.h"
#include "data/parameters.h"
#include "data/projectfile.h"
#include "data/projectrecord.h"

#include "support/scriptedmessages.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProjectFileTest : public ::testing::Test
{
protected:
    void SetUp() override { params.DefineParameters(messages); }

    ProjectReadResult read(const QByteArray &content, bool apply = true)
    {
        QBuffer buffer;
        buffer.setData(content);
        buffer.open(QIODevice::ReadOnly);
        return ReadProjectFile(buffer, apply, params, texts, messages);
    }

    static QByteArray withData(const QByteArray &dataLines)
    {
        return "[APPLICATION]\r\nFAN\r\n[DATA ENERGY SAVER]\r\n" + dataLines;
    }

    ScriptedMessages messages;
    ParameterTable params;
    PlainProjectTexts texts;
};

TEST_F(ProjectFileTest, WritesTheFixedLayout)
{
    texts.setText(ProjectText::Name, QStringLiteral("Jane Smith"));
    texts.setText(ProjectText::ProjectName, QStringLiteral("Plant 4 – AHU"));
    const QByteArray bytes = projectFileBytes(QStringLiteral("FAN"), params, texts, QStringLiteral("12/11/2026"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 43); // 42 lines, each ended by CR LF
    for (int i = 0; i < 42; ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    EXPECT_EQ(lines[0], "[FILE INFO]\r");
    EXPECT_EQ(lines[2], "FILE TYPE  : PELNIX ENERGY FILE 1.03\r");
    EXPECT_EQ(lines[3], "DATE       : 12/11/2026\r");
    EXPECT_EQ(lines[7], "FAN\r");
    EXPECT_EQ(lines[9], "[DATA ENERGY SAVER]\r");
    EXPECT_EQ(lines[11], "P001=A1-01=24;" + QByteArray(19, ' ') + "\r");
    EXPECT_EQ(lines[15], "P005=A1-05=150.0;" + QByteArray(16, ' ') + "\r");
    EXPECT_EQ(lines[14], "P004=A1-04=10.00;" + QByteArray(16, ' ') + "\r");
    EXPECT_EQ(lines[31], "[INFO]\r");
    EXPECT_EQ(lines[32], "Jane Smith\r");
    EXPECT_EQ(lines[41], "Plant 4 \x96 AHU\r"); // Windows-1252 en dash
}

TEST_F(ProjectFileTest, RoundTripsEveryParameterAtItsLimits)
{
    for (const bool atMinimum : {true, false}) {
        for (int pos = 1; pos <= params.count(); ++pos)
            params.at(pos)->value = atMinimum ? params.at(pos)->minimum : params.at(pos)->maximum;
        texts.setText(ProjectText::Company, QStringLiteral("Café Ünïcode €"));
        const QByteArray bytes = projectFileBytes(QStringLiteral("PUMP"), params, texts, QStringLiteral("x"));

        ParameterTable back;
        back.DefineParameters(messages);
        PlainProjectTexts backTexts;
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const ProjectReadResult r = ReadProjectFile(buffer, true, back, backTexts, messages);
        ASSERT_TRUE(r.ok) << atMinimum;
        EXPECT_EQ(r.application, 2);
        for (int pos = 1; pos <= params.count(); ++pos)
            EXPECT_EQ(back.value(pos), params.value(pos)) << "position " << pos;
        EXPECT_EQ(backTexts.text(ProjectText::Company), QStringLiteral("Café Ünïcode €"));
    }
    EXPECT_TRUE(messages.shown().empty());
}

// One parameter-section line and what the reader makes of it.
struct LineCase
{
    const char *line;
    const char *message; // "" when the line passes silently
    MessageKind kind;
    float a101;          // value of A101 afterwards (default 24, set to 10 before reading)
};

class ParameterLineTest : public ProjectFileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ParameterLineTest, ClassifiesAndApplies)
{
    const LineCase &c = GetParam();
    params.at(1)->value = 10;
    const bool expectsMessage = *c.message != '\0';
    if (expectsMessage)
        messages.expect(MessageAnswer::Ok);
    const ProjectReadResult r = read(withData(QByteArray(c.line) + "\r\n"));
    EXPECT_TRUE(r.ok);
    if (expectsMessage) {
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(messages.shown()[0].kind, c.kind);
        EXPECT_NE(messages.shown()[0].buttons, MessageButtons::Ok);
    } else {
        EXPECT_TRUE(messages.shown().empty()) << messages.shown()[0].text.toStdString();
    }
    EXPECT_EQ(params.value(1), c.a101);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParameterLineTest,
    ::testing::Values(
        LineCase{"P001=A1-01=24;", "", MessageKind::Error, 24},
        LineCase{"  p001=a1-01=23;  ", "", MessageKind::Error, 23},          // case and blanks do not matter
        LineCase{"P0001=A1-01=24;", "", MessageKind::Error, 10},             // "A" not at 6: ignored
        LineCase{"P1=A1-01=24;", "", MessageKind::Error, 10},
        LineCase{"P01:xA1-01=22;", "", MessageKind::Error, 22},              // separator at 4, 5 skipped
        LineCase{"", "", MessageKind::Error, 10},
        LineCase{"P001=A1-01=24", "Error in line : 4 !", MessageKind::Confirmation, 10},
        LineCase{"P001=A1-01=;", "Error in line : 4 !", MessageKind::Confirmation, 10},
        LineCase{"P001=A1-01=123456789;", "Error in line : 4 !", MessageKind::Confirmation, 10},
        LineCase{"P001=A1-01=2x;", "Error in line : 4 !", MessageKind::Confirmation, 10},
        LineCase{"P000=A1-01=24;", "Error in line : 4 !", MessageKind::Confirmation, 10},
        LineCase{"P020=A1-01=24;", "Line/Parameter # out of range !", MessageKind::Confirmation, 10},
        LineCase{"P001=A1-01=25;", "Parameter A1-01 out of range !", MessageKind::Error, 10},
        LineCase{"P001=A1-01=0.5;", "Parameter A1-01 out of range !", MessageKind::Error, 10},
        LineCase{"P001=A1-20=5;", "Parameter A1-20 does not match !", MessageKind::Error, 10},
        LineCase{"P001=A1-01=12345678;", "Parameter A1-01 out of range !", MessageKind::Error, 10}));

TEST_F(ProjectFileTest, AcceptsTheSmallestMotorThatTheWriterProduces)
{
    EXPECT_TRUE(read(withData("P005=A1-05=0.2;\r\n")).ok);
    EXPECT_EQ(params.value(5), 0.2f);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ProjectFileTest, CancelStopsBeforeTheNextLineAndOnTheLastLine)
{
    messages.expect(MessageAnswer::Cancel);
    EXPECT_FALSE(read(withData("P001=A1-01=99;\r\nP002=A1-02=3;\r\n")).ok);
    EXPECT_EQ(params.value(2), 7.0f); // the line after the cancelled one was never applied

    messages.clear();
    messages.expect(MessageAnswer::Cancel);
    EXPECT_FALSE(read(withData("P002=A1-02=3;\r\nP001=A1-01=99;\r\n")).ok); // cancelled on the last line
    EXPECT_EQ(params.value(2), 3.0f); // applied values stay applied
}

TEST_F(ProjectFileTest, SyntaxErrorBeepsBeforeAsking)
{
    messages.expect(MessageAnswer::Ok);
    read(withData("P001=A1-01=24\r\n"));
    EXPECT_EQ(messages.beeps(), 1);
}

TEST_F(ProjectFileTest, ExaminingChecksOnlySyntaxAndApplication)
{
    const QByteArray file = withData("P001=A1-01=99;\r\nP001=A1-55=1;\r\n") + "[INFO]\r\nName\r\n";
    const ProjectReadResult r = read(file, false);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(params.value(1), 24.0f);
    EXPECT_TRUE(texts.text(ProjectText::Name).isEmpty());
}

TEST_F(ProjectFileTest, ApplicationLines)
{
    EXPECT_EQ(read("[application]\r\ncooling tower\r\n").application, 3);
    EXPECT_EQ(read("[APPLICATION]\r\nFAN\r\nPUMP\r\n").application, 2); // a later line wins
    messages.expect(MessageAnswer::Ok);
    const ProjectReadResult missing = read("[APPLICATION]\r\nBOILER\r\n[FILE INFO]\r\nFAN\r\n");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(messages.shown().back().text,
              QStringLiteral("Application Information is Missing! Unable to load this file."));
}

TEST_F(ProjectFileTest, InfoSectionRules)
{
    texts.setText(ProjectText::Email, QStringLiteral("old"));
    ASSERT_TRUE(read("[APPLICATION]\r\nFAN\r\n").ok);
    for (int i = 0; i < ProjectTextCount; ++i)
        EXPECT_TRUE(texts.text(static_cast<ProjectText>(i)).isEmpty()); // no info section empties all ten

    QByteArray info = "[APPLICATION]\r\nFAN\r\n  [info]  \r\n";
    info += QByteArray(70, 'x') + "\r\n";
    for (int i = 2; i <= 16; ++i)
        info += "line " + QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(read(info).ok);
    EXPECT_EQ(texts.text(ProjectText::Name), QString(60, QLatin1Char('x')));
    EXPECT_EQ(texts.text(ProjectText::ProjectName), QStringLiteral("line 10"));

    // A customer text that reads as a header shifts the texts up.
    ASSERT_TRUE(read("[APPLICATION]\r\nFAN\r\n[INFO]\r\n[Info]\r\nTitle\r\nCompany\r\n").ok);
    EXPECT_EQ(texts.text(ProjectText::Name), QStringLiteral("Title"));
    EXPECT_EQ(texts.text(ProjectText::Title), QStringLiteral("Company"));
}

TEST_F(ProjectFileTest, SaveReplacesTheFileOnlyWhenComplete)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.PXF"));
    messages.expect(MessageAnswer::Ok);
    ASSERT_TRUE(WriteProjectFile(path, QStringLiteral("FAN"), params, texts, messages));
    EXPECT_EQ(messages.shown().back().text, QStringLiteral("Estimation Saved!"));
    EXPECT_EQ(messages.shown().back().kind, MessageKind::Information);

    // A folder that is a plain file cannot hold the save: a warning, no success message.
    QFile blocker(dir.filePath(QStringLiteral("notadir")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    messages.clear();
    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(WriteProjectFile(dir.filePath(QStringLiteral("notadir/plan.PXF")), QStringLiteral("FAN"), params,
                                  texts, messages));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
    EXPECT_FALSE(messages.shown()[0].text.isEmpty());

    // Reading a file that is not there reports the system's text.
    messages.clear();
    messages.expect(MessageAnswer::Ok);
    EXPECT_FALSE(ReadProjectFile(dir.filePath(QStringLiteral("missing.PXF")), true, params, texts, messages).ok);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
}

TEST(CodePage1252, RoundTripsItsCharacters)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
    EXPECT_EQ(decodeWindows1252("\x80"), QStringLiteral("€"));
    EXPECT_EQ(encodeWindows1252(QStringLiteral("日本")), QByteArray("??"));
}

} // namespace
