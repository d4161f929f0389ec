#include "BundleInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The top-level dictionary's string values; nested containers are skipped.
std::optional<QHash<QString, QString>> readPlistStrings(QIODevice& device)
{
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("plist")) return std::nullopt;
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("dict")) return std::nullopt;
    QHash<QString, QString> values;
    QString key;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("key")) {
            key = xml.readElementText();
        } else if (xml.name() == QLatin1String("string")) {
            values.insert(key, xml.readElementText());
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) return std::nullopt;
    return values;
}

} // namespace

std::optional<BundleInfo> BundleInfo::read(const QString& bundlePath)
{
    QFile file(bundlePath + QStringLiteral("/Contents/Info.plist"));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto values = readPlistStrings(file);
    if (!values) return std::nullopt;
    BundleInfo info;
    info.identifier = values->value(QStringLiteral("CFBundleIdentifier"));
    info.executable = values->value(QStringLiteral("CFBundleExecutable"));
    info.shortVersion = values->value(QStringLiteral("CFBundleShortVersionString"));
    info.version = values->value(QStringLiteral("CFBundleVersion"));
    info.copyright = values->value(QStringLiteral("NSHumanReadableCopyright"));
    return info;
}

QString BundleInfo::runningBundlePath()
{
    // The executable sits in Horavia.app/Contents/.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

QString BundleInfo::executablePath(const QString& bundlePath) const
{
    return bundlePath + QStringLiteral("/Contents/") + executable;
}

bool BundleInfo::isOwnedByUser(const QString& bundlePath)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(bundlePath).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid();
}
