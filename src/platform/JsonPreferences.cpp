#include "JsonPreferences.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

bool readJson(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray bytes = device.readAll();
    if (bytes.trimmed().isEmpty()) return true; // an empty file is an empty domain, not damage
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
    const QVariantMap values = document.object().toVariantMap();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        map.insert(it.key(), it.value());
    return true;
}

bool writeJson(QIODevice& device, const QSettings::SettingsMap& map)
{
    QVariantMap values;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        values.insert(it.key(), it.value());
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(values)).toJson(QJsonDocument::Indented);
    return device.write(bytes) == bytes.size();
}

QSettings::Format jsonFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("json"), readJson, writeJson);
    return format;
}

bool isUnreadable(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists()) return false;
    if (!file.open(QIODevice::ReadOnly)) return true;
    QSettings::SettingsMap ignored;
    return !readJson(file, ignored);
}

} // namespace

JsonPreferences::JsonPreferences(const QString& fileName)
    : m_fileName(fileName)
    , m_unreadable(isUnreadable(fileName))
    , m_settings(std::make_unique<QSettings>(fileName, jsonFormat()))
{
}

JsonPreferences::~JsonPreferences() = default;

QString JsonPreferences::defaultFileName()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/horavia/settings.json");
}

QVariant JsonPreferences::object(const QString& key) const
{
    return m_settings->value(key);
}

void JsonPreferences::setObject(const QVariant& value, const QString& key)
{
    setAsideUnreadableFile();
    m_settings->setValue(key, value);
}

void JsonPreferences::remove(const QString& key)
{
    setAsideUnreadableFile();
    m_settings->remove(key);
}

bool JsonPreferences::synchronize()
{
    setAsideUnreadableFile();
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

void JsonPreferences::setAsideUnreadableFile()
{
    if (!m_unreadable) return;
    m_unreadable = false;
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = m_fileName + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_fileName + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
    // If the rename fails the folder is not writable, so the write that
    // follows cannot replace the file either.
    if (QFile::rename(m_fileName, target)) m_setAsideFileName = target;
    // QSettings keeps the read error for its whole life; nothing is pending
    // yet (every write passes here first), so start over on the empty domain.
    m_settings = std::make_unique<QSettings>(m_fileName, jsonFormat());
}
