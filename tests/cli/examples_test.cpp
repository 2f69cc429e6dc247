#include "clirunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "data/parameters.h"
#include "data/projectfile.h"
#include "data/projectrecord.h"
#include "support/scriptedmessages.h"

namespace {

// The bundled example projects, as the program's own writer lays them out.
struct Example
{
    const char *file;
    const char *application;
    std::array<float, ParameterTable::ProjectParameterCount> values;
    std::array<const char *, ProjectTextCount> texts;
};

const Example Examples[] = {
    {"fan-example.PXF", "FAN",
     {24, 7, 52, 10, 150, 95, 97, 0, 12000, 1, 2, 9, 17, 24, 17, 13, 11, 6, 0},
     {"Pat Example", "Ms.", "Example Foods Inc.", "100 Industrial Parkway", "Springfield, IL 62701",
      "USA", "(555) 010-0200", "(555) 010-0201", "pat@example.com", "Supply fan, air handling unit 3"}},
    {"pump-example.PXF", "PUMP",
     {16, 5, 50, 12.5f, 75, 93, 97, 20, 8500, 0, 5, 10, 20, 25, 20, 10, 5, 5, 0},
     {"Sam Example", "Mr.", "Example Water District", "7 Reservoir Road", "Riverton, WY 82501", "USA",
      "(555) 010-0300", "(555) 010-0301", "sam@example.com", "Booster pump station 2"}},
};

QString examplePath(const char *file) { return QStringLiteral(PELNIX_SOURCE_DIR "/examples/") + QString::fromLatin1(file); }

QByteArray exampleBytes(const Example &e)
{
    ScriptedMessages messages;
    ParameterTable params;
    params.DefineParameters(messages);
    for (int i = 0; i < ParameterTable::ProjectParameterCount; ++i)
        params.at(i + 1)->value = e.values[i];
    PlainProjectTexts texts;
    for (int t = 0; t < ProjectTextCount; ++t)
        texts.setText(static_cast<ProjectText>(t), QString::fromLatin1(e.texts[t]));
    return projectFileBytes(QString::fromLatin1(e.application), params, texts, QStringLiteral("12/11/2026"));
}

// PELNIX_WRITE_EXAMPLES=1 rewrites the bundled files from the table above.
TEST(ExampleProjects, AreWrittenAsTheProgramWritesThem)
{
    const bool write = qEnvironmentVariableIntValue("PELNIX_WRITE_EXAMPLES") == 1;
    for (const Example &e : Examples) {
        const QByteArray expected = exampleBytes(e);
        QFile file(examplePath(e.file));
        if (write) {
            QDir().mkpath(QStringLiteral(PELNIX_SOURCE_DIR "/examples"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(expected);
            file.close();
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << e.file;
        EXPECT_EQ(file.readAll(), expected) << e.file;
    }
}

TEST(ExampleProjects, OpenAndEstimateWithoutMessages)
{
    CliRunner cli;
    const CliRun r = cli.run({QStringLiteral("estimate"), examplePath("fan-example.PXF"), examplePath("pump-example.PXF")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("error: ")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("confirmation: ")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("VAL2: $22,758\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("FLOWM: Payback Estimation: Pump Application \n")));
}

} // namespace
