#pragma once

// Fuzz input that a parser reads from a file: written to one scratch folder
// per process, reused for every input.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

inline const QTemporaryDir& scratch()
{
    static const QTemporaryDir dir;
    return dir;
}

inline QString writeInput(const QString& relativePath, const uint8_t* data, size_t size)
{
    const QString path = scratch().filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}
