#include "JsonPreferences.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 largestFile = 16 << 20; // far beyond any real settings file

// None when the file exists but is not a JSON object; an empty map when it
// is missing or empty, which is no damage.
std::optional<QVariantMap> readValues(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists()) return QVariantMap();
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestFile) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty()) return QVariantMap();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    return document.object().toVariantMap();
}

} // namespace

JsonPreferences::JsonPreferences(const QString& fileName)
    : m_fileName(fileName)
{
    removeLeftovers();
    m_stamp = stampOf(fileName);
    const std::optional<QVariantMap> values = readValues(fileName);
    m_unreadable = !values;
    m_values = values.value_or(QVariantMap());
}

JsonPreferences::~JsonPreferences() = default;

QString JsonPreferences::defaultFileName()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/horavia/settings.json");
}

JsonPreferences::Stamp JsonPreferences::stampOf(const QString& fileName)
{
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0) return {};
    return {qint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

// Only one copy runs per user, so whatever a writer leaves beside the file
// when it opens belongs to a writer that is gone: the lock files of earlier
// versions, and the save file's temporary, linked under the name and six
// random letters and digits just before it replaces the file. A name like
// "settings.json.backup", all one case, is the user's own and stays.
void JsonPreferences::removeLeftovers() const
{
    const QFileInfo info(m_fileName);
    static const QString pattern = QStringLiteral("^%1\\.(lock|lock\\.rmlink|(?=[A-Za-z0-9]*[a-z])(?=[A-Za-z0-9]*[A-Z])"
                                                  "[A-Za-z0-9]{6})$");
    const QRegularExpression leftover(pattern.arg(QRegularExpression::escape(info.fileName())));
    QDir folder = info.dir();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (!entry.isSymLink() && entry.ownerId() == ::geteuid() && leftover.match(entry.fileName()).hasMatch())
            folder.remove(entry.fileName());
}

QVariant JsonPreferences::object(const QString& key) const
{
    return m_values.value(key);
}

void JsonPreferences::setObject(const QVariant& value, const QString& key)
{
    m_values.insert(key, value);
    m_changed.insert(key, value);
    m_removed.remove(key);
}

void JsonPreferences::remove(const QString& key)
{
    m_values.remove(key);
    m_changed.remove(key);
    m_removed.insert(key);
}

bool JsonPreferences::synchronize()
{
    setAsideUnreadableFile();
    if (stampOf(m_fileName) != m_stamp) {
        // Written by someone else since: start from theirs, then ours on top.
        if (const std::optional<QVariantMap> theirs = readValues(m_fileName)) {
            m_values = *theirs;
            for (auto it = m_changed.cbegin(); it != m_changed.cend(); ++it)
                m_values.insert(it.key(), it.value());
            for (const QString& key : std::as_const(m_removed))
                m_values.remove(key);
        }
    }
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath())) return false;
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(m_values)).toJson(QJsonDocument::Indented);
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) return false;
    m_stamp = stampOf(m_fileName);
    m_changed.clear();
    m_removed.clear();
    return true;
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
    m_stamp = stampOf(m_fileName);
}
