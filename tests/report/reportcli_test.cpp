// pelnix-cli report, run as the user runs it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

class ReportCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_program = QStringLiteral(PELNIX_BINARY_DIR "/src/app/pelnix-cli");
        if (!QFileInfo(m_program).isExecutable())
            GTEST_SKIP() << "pelnix-cli not built";
    }
    CliRun run(const QStringList &args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        process.setProcessEnvironment(env);
        process.start(m_program, QStringList{QStringLiteral("report")} + args);
        CliRun r;
        if (!process.waitForFinished(120000))
            return r;
        r.status = process.exitCode();
        r.out = QString::fromUtf8(process.readAllStandardOutput());
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }
    static QString fixture(const char *name) { return QStringLiteral(PELNIX_SOURCE_DIR "/tests/cli/files/") + QLatin1String(name); }

    QTemporaryDir m_dir;
    QString m_program;
};

TEST_F(ReportCli, OneFileGivesOneReportInTheFormatOfItsName)
{
    const QString out = m_dir.filePath(QStringLiteral("fan.html"));
    const CliRun r = run({fixture("fan-default.PXF"), QStringLiteral("-o"), out, QStringLiteral("--graph-type=4")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("report: ") + out));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("Fan Application"));
}

TEST_F(ReportCli, SeveralFilesGoIntoAFolderAndAFailingFileIsReported)
{
    const QString folder = m_dir.filePath(QStringLiteral("reports"));
    const CliRun r = run({fixture("fan-default.PXF"), fixture("pump-small.PXF"), fixture("duty-101.PXF"),
                          QStringLiteral("-o"), folder, QStringLiteral("--format"), QStringLiteral("jpg"),
                          QStringLiteral("--dpi"), QStringLiteral("60")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("duty-101.PXF: the duty cycle does not add up to 100 %")));
    for (const char *name : {"fan-default.jpg", "fan-default-2.jpg", "pump-small.jpg", "pump-small-2.jpg"}) {
        QImageReader reader(QDir(folder).filePath(QLatin1String(name)));
        EXPECT_EQ(reader.format(), QByteArray("jpeg")) << name;
        EXPECT_EQ(reader.size(), QSize(510, 660)) << name;
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("duty-101.jpg"))));
}

TEST_F(ReportCli, UsageErrors)
{
    for (const QStringList &args : {QStringList{fixture("fan-default.PXF")},
                                    QStringList{fixture("fan-default.PXF"), QStringLiteral("-o"), QStringLiteral("x.pdf"),
                                                QStringLiteral("--format"), QStringLiteral("png")},
                                    QStringList{fixture("fan-default.PXF"), QStringLiteral("-o"), QStringLiteral("x.pdf"),
                                                QStringLiteral("--graph-type"), QStringLiteral("7")}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
    }
}

} // namespace
