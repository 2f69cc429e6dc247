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
        m_lastWriteOk = m_settings->status() == QSettings::NoError;
        m_settings.reset();
    }
}

QSettings &SettingsStore::settings()
{
    if (!m_settings) {
        if (m_iniFile.isEmpty())
            m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                     QStringLiteral("VENDRAM"), QStringLiteral("PELNIX"));
        else
            m_settings = std::make_unique<QSettings>(m_iniFile, QSettings::IniFormat);
    }
    return *m_settings;
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
}
