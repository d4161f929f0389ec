#pragma once

#include "catalogue/City.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTimeZone>

#include <sys/stat.h>

// An instant written in ISO 8601 ("2026-06-21T12:00:00Z", milliseconds allowed).
inline QDateTime instant(const char* iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs);
}

inline QTimeZone zone(const char* id)
{
    return QTimeZone(QByteArray(id));
}

inline QStringList idsOf(const QList<City>& cities)
{
    QStringList ids;
    for (const City& city : cities)
        ids.append(city.id);
    return ids;
}

// Writes a file, making its folder; a test cannot go on without it.
inline void writeFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    if (permissions) file.setPermissions(permissions);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline int modeOf(const QString& path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return int(status.st_mode & 07777);
}
