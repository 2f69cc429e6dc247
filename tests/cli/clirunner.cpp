#include "clirunner.h"

#include <QDir>
#include <QProcess>

QStringList CliRun::lines() const { return out.split(QLatin1Char('\n')); }

CliRunner::CliRunner() { QDir(m_dir.path()).mkpath(QStringLiteral("config")); }

QString CliRunner::settingsFile() const { return m_dir.filePath(QStringLiteral("config/VENDRAM/PELNIX.conf")); }

QString CliRunner::fixture(const QString &name)
{
    return QStringLiteral(PELNIX_SOURCE_DIR "/tests/cli/files/") + name;
}

CliRun CliRunner::run(const QStringList &arguments, const QString &locale) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.remove(QStringLiteral("LANG"));
    env.remove(QStringLiteral("LC_NUMERIC"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PELNIX_BINARY_DIR "/src/app/pelnix-cli"), arguments);
    CliRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}
