#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted on a private folder for one test, so a test can fill a disk or make a
// folder read-only in a way that binds even a process running as root. Unmounted on destruction.
class ScratchMount
{
public:
    // `options` as for mount -o, e.g. "size=32k".
    explicit ScratchMount(const QString &options);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool mounted() const { return m_mounted; }
    // Why the mount failed (the system's text), for the skip message.
    QString failure() const { return m_failure; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Makes the whole mount read-only; false with failure() set when the system refuses.
    bool makeReadOnly();
    // Writes blocks of zeros to `name` until the disk is full; returns the bytes written.
    qint64 fill(const QString &name);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_failure;
};

// Skips the current test when the tmpfs could not be mounted (no permission in this sandbox).
#define REQUIRE_MOUNT(m)                                                                                          \
    do {                                                                                                          \
        if (!(m).mounted())                                                                                       \
            GTEST_SKIP() << "cannot mount a tmpfs here: " << (m).failure().toStdString();                         \
    } while (0)
