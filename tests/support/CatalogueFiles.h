#pragma once

#include "TestValues.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

// One catalogue record in the file's short-key form.
inline QJsonObject cityRecord(const QString& id, const QString& name, double latitude = 0, double longitude = 0,
                              const QString& zone = QStringLiteral("Africa/Abidjan"), const QString& region = QString(),
                              const QString& country = QStringLiteral("Testland"),
                              const QStringList& aliases = QStringList())
{
    QJsonObject record{{QStringLiteral("i"), id},        {QStringLiteral("n"), name},
                       {QStringLiteral("r"), region},    {QStringLiteral("c"), country},
                       {QStringLiteral("la"), latitude}, {QStringLiteral("lo"), longitude},
                       {QStringLiteral("z"), zone}};
    if (!aliases.isEmpty()) record.insert(QStringLiteral("a"), QJsonArray::fromStringList(aliases));
    return record;
}

// Writes `contents` as a catalogue file in `dir` and returns its path.
inline QString writeCatalogue(const QTemporaryDir& dir, const QByteArray& contents,
                              const QString& name = QStringLiteral("cities.json"))
{
    const QString path = dir.filePath(name);
    writeFile(path, contents);
    return path;
}

inline QString writeCatalogue(const QTemporaryDir& dir, const QJsonArray& records)
{
    return writeCatalogue(dir, QJsonDocument(records).toJson(QJsonDocument::Compact));
}

inline QString shippedCatalogue()
{
    return QStringLiteral(HORAVIA_SOURCE_DIR "/resources/cities.json");
}
