#include "settingsstore.h"

#include <QSettings>

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString &iniFile) : m_iniFile(iniFile) {}

SettingsStore::~SettingsStore()
{
    if (m_settings)
        m_settings->sync();
}

void SettingsStore::open()
{
    if (m_openCount++ == 0)
        settings();
}

void SettingsStore::close()
{
    if (m_openCount == 0)
        return;
    if (--m_openCount == 0 && m_settings) {
        m_settings->sync();
        if (!m_written.isEmpty()) {
            // A line Qt could not parse sets FormatError and hides any later error, though the
            // write itself may have landed: then the file is read back to find out.
            const QSettings::Status status = m_settings->status();
            m_lastWriteOk = status == QSettings::NoError || (status == QSettings::FormatError && writtenBack());
            m_written.clear();
        }
        m_settings.reset();
    }
}

std::unique_ptr<QSettings> SettingsStore::makeSettings() const
{
    if (m_iniFile.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VENDRAM"),
                                           QStringLiteral("PELNIX"));
    return std::make_unique<QSettings>(m_iniFile, QSettings::IniFormat);
}

QSettings &SettingsStore::settings()
{
    if (!m_settings)
        m_settings = makeSettings();
    return *m_settings;
}

bool SettingsStore::writtenBack() const
{
    const std::unique_ptr<QSettings> fresh = makeSettings();
    for (auto it = m_written.cbegin(); it != m_written.cend(); ++it)
        if (fresh->value(it.key()) != it.value())
            return false;
    return true;
}

namespace {
// A hand-edited INI value with commas reads as a list; take it back as the text it was.
QString textOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}
} // namespace

QString SettingsStore::keyOf(const QString &section, const QString &item)
{
    return QStringLiteral("SETUP/") + section + QLatin1Char('/') + item;
}

QString SettingsStore::readString(const QString &section, const QString &item, const QString &defaultValue)
{
    StoreSession session(*this);
    const QVariant v = settings().value(keyOf(section, item));
    return v.isValid() ? textOf(v) : defaultValue;
}

void SettingsStore::writeString(const QString &section, const QString &item, const QString &value)
{
    StoreSession session(*this);
    settings().setValue(keyOf(section, item), value);
    m_written.insert(keyOf(section, item), value);
}

bool SettingsStore::readFlag(const QString &section, const QString &item, bool defaultValue)
{
    StoreSession session(*this);
    const QVariant v = settings().value(keyOf(section, item));
    if (!v.isValid())
        return defaultValue;
    return textOf(v).startsWith(QLatin1Char('1'));
}

void SettingsStore::writeFlag(const QString &section, const QString &item, bool value)
{
    writeString(section, item, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::contains(const QString &section, const QString &item)
{
    StoreSession session(*this);
    return settings().contains(keyOf(section, item));
}

QByteArray SettingsStore::readBytes(const QString &key)
{
    StoreSession session(*this);
    return settings().value(key).toByteArray();
}

void SettingsStore::writeBytes(const QString &key, const QByteArray &value)
{
    StoreSession session(*this);
    settings().setValue(key, value);
    m_written.insert(key, value);
}
