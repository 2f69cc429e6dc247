#include "scratchmount.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

ScratchMount::ScratchMount(const QString &options)
{
    if (!m_dir.isValid()) {
        m_failure = QStringLiteral("no temporary folder");
        return;
    }
    const QByteArray where = QFile::encodeName(m_dir.path());
    const QByteArray data = options.toLatin1();
    if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, data.constData()) == 0)
        m_mounted = true;
    else
        m_failure = QString::fromLocal8Bit(std::strerror(errno));
}

ScratchMount::~ScratchMount()
{
    // Lazily, so a file a failed test left open cannot keep the mount in place.
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool ScratchMount::makeReadOnly()
{
    const QByteArray where = QFile::encodeName(m_dir.path());
    if (::mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0)
        return true;
    m_failure = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

qint64 ScratchMount::fill(const QString &name)
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 0;
    const QByteArray block(512, '\0');
    qint64 total = 0;
    for (;;) {
        const qint64 n = file.write(block);
        if (n <= 0)
            break;
        total += n;
    }
    return total;
}
