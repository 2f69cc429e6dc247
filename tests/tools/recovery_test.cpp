#include "data/projectfile.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "support/scriptedmessages.h"
#include "tools/errorhandler.h"
#include "tools/recoverycopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecoveryTest : public ::testing::Test
{
protected:
    RecoveryTest() : store(dir.filePath(QStringLiteral("s.ini"))), state(messages, store)
    {
        InitGlobals(state);
        state.parameters.DefineParameters(messages);
        texts.setText(ProjectText::ProjectName, QStringLiteral("Boiler house"));
        QDir(dir.path()).mkpath(QStringLiteral("docs"));
        QDir(dir.path()).mkpath(QStringLiteral("work"));
    }

    QString docs() const { return dir.filePath(QStringLiteral("docs")); }

    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store;
    AppState state;
    PlainProjectTexts texts;
};

TEST_F(RecoveryTest, CopyGoesBesideTheFileUnderAFreeNameAndReadsBack)
{
    const QString project = dir.filePath(QStringLiteral("work/plant.PXF"));
    QFile original(project);
    ASSERT_TRUE(original.open(QIODevice::WriteOnly));
    original.write("original");
    original.close();
    QFile taken(dir.filePath(QStringLiteral("work/plant (recovery).PXF")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("older copy");
    taken.close();

    state.record = {1, QStringLiteral("FAN"), project, true, true};
    state.parameters.at(5)->value = 321.5f;
    const QString written = writeRecoveryCopy(state, texts, docs());
    EXPECT_EQ(written, dir.filePath(QStringLiteral("work/plant (recovery 2).PXF")));
    EXPECT_EQ(contents(project), QByteArray("original"));
    EXPECT_EQ(contents(taken.fileName()), QByteArray("older copy"));

    // The copy is a project file like any other.
    ParameterTable read;
    read.DefineParameters(messages);
    PlainProjectTexts readTexts;
    messages.answerAllWithDefault();
    EXPECT_TRUE(ReadProjectFile(written, true, read, readTexts, messages).ok);
    EXPECT_FLOAT_EQ(read.value(5), 321.5f);
    EXPECT_EQ(readTexts.text(ProjectText::ProjectName), QStringLiteral("Boiler house"));
}

TEST_F(RecoveryTest, NeverSavedProjectGoesToDocumentsAndNothingIsWrittenWithoutChanges)
{
    state.record = {2, QStringLiteral("PUMP"), QString(), true, true};
    EXPECT_EQ(writeRecoveryCopy(state, texts, docs()), dir.filePath(QStringLiteral("docs/PelnixProject (recovery).PXF")));

    state.record.projectModified = false;
    EXPECT_EQ(writeRecoveryCopy(state, texts, docs()), QString());
    state.record.projectModified = true;
    state.record.projectActive = false;
    EXPECT_EQ(writeRecoveryCopy(state, texts, docs()), QString());
    EXPECT_EQ(QDir(docs()).entryList(QDir::Files).size(), 1);
}

TEST_F(RecoveryTest, UnwritableProjectFolderFallsBackToDocuments)
{
    state.record = {1, QStringLiteral("FAN"), dir.filePath(QStringLiteral("gone/folder/p.PXF")), true, true};
    EXPECT_EQ(writeRecoveryCopy(state, texts, docs()), dir.filePath(QStringLiteral("docs/p (recovery).PXF")));
}

TEST(RecoveryCopyPath, CountsUpPastTakenNames)
{
    const QStringList taken{QStringLiteral("/w/a (recovery).PXF"), QStringLiteral("/w/a (recovery 2).PXF")};
    auto exists = [&](const QString &p) { return taken.contains(p); };
    EXPECT_EQ(recoveryCopyPath(QStringLiteral("/w/a.PXF"), QStringLiteral("/d"), exists),
              QStringLiteral("/w/a (recovery 3).PXF"));
    EXPECT_EQ(recoveryCopyPath(QString(), QStringLiteral("/d"), exists),
              QStringLiteral("/d/PelnixProject (recovery).PXF"));
}

TEST(UnhandledError, SavesFirstThenNamesTheCopyThenEnds)
{
    ScriptedMessages messages;
    UnhandledErrorHandler handler(messages);
    bool written = false;
    handler.setRecoveryWriter([&] {
        EXPECT_TRUE(messages.shown().empty()); // the copy exists before the user is told
        written = true;
        return QStringLiteral("/w/a (recovery).PXF");
    });
    messages.expect(MessageAnswer::Ok);
    EXPECT_THROW(handler.handle(QStringLiteral("Printer not ready.")), ScriptedMessages::Terminated);
    EXPECT_TRUE(written);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(
        QStringLiteral("EXCEPTION ERROR : Printer not ready. Program Aborted !")));
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("/w/a (recovery).PXF")));
}

TEST(UnhandledError, WithoutACopyTheMessageIsThePlainOne)
{
    ScriptedMessages messages;
    UnhandledErrorHandler handler(messages);
    handler.setRecoveryWriter([]() -> QString { throw std::runtime_error("disk gone"); });
    messages.expect(MessageAnswer::Ok);
    EXPECT_THROW(handler.handle(QStringLiteral("Boom")), ScriptedMessages::Terminated);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("EXCEPTION ERROR : Boom Program Aborted !"));
}

} // namespace
