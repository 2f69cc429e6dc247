#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the built pelnix-cli with its own settings folder and the C locale unless told otherwise.
struct CliRun
{
    int status = -1;
    QString out;
    QString err;
    QStringList lines() const;
};

class CliRunner
{
public:
    CliRunner();

    CliRun run(const QStringList &arguments, const QString &locale = QStringLiteral("C")) const;
    // The settings store file the program and pelnix-cli share under this runner's config folder.
    QString settingsFile() const;
    QString tempPath(const QString &name) const { return m_dir.filePath(name); }

    static QString fixture(const QString &name);

private:
    QTemporaryDir m_dir;
};
