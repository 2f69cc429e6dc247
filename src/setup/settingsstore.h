#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// The per-user settings store: sections and string items under SETUP, flags as "1"/"0".
// Open and close nest: the store is opened when the count leaves 0 and written back when it
// returns to 0. Reads and writes outside an open/close pair open the store for that one call.
class SettingsStore
{
public:
    // The program's own store (organisation VENDRAM, application PELNIX, native format, user scope).
    SettingsStore();
    // A store in an INI file (tests, tools).
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();

    void open();
    void close();
    int openCount() const { return m_openCount; }

    QString readString(const QString &section, const QString &item, const QString &defaultValue = QString());
    void writeString(const QString &section, const QString &item, const QString &value);
    // True exactly when the stored text begins with "1"; a missing item gives `defaultValue`.
    bool readFlag(const QString &section, const QString &item, bool defaultValue);
    void writeFlag(const QString &section, const QString &item, bool value);
    bool contains(const QString &section, const QString &item);

    // Raw byte values outside SETUP (the main window's bar layout lives under MENU).
    QByteArray readBytes(const QString &key);
    void writeBytes(const QString &key, const QByteArray &value);

    // False when the last write-back to the store failed. Sessions that only read leave it alone.
    bool lastWriteOk() const { return m_lastWriteOk; }

private:
    std::unique_ptr<QSettings> makeSettings() const;
    QSettings &settings();
    bool writtenBack() const;
    static QString keyOf(const QString &section, const QString &item);

    QString m_iniFile;
    std::unique_ptr<QSettings> m_settings;
    int m_openCount = 0;
    bool m_lastWriteOk = true;
    QVariantMap m_written; // this session's writes, for the check

};

// Opens the store for the lifetime of a scope.
class StoreSession
{
public:
    explicit StoreSession(SettingsStore &store) : m_store(store) { m_store.open(); }
    ~StoreSession() { m_store.close(); }
    StoreSession(const StoreSession &) = delete;
    StoreSession &operator=(const StoreSession &) = delete;

private:
    SettingsStore &m_store;
};
