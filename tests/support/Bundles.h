#pragma once

#include "TestValues.h"
#include "services/CodeSignature.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

// Writes a minimal application bundle: Info.plist, an executable shell
// script and one resource.
inline void makeBundle(const QString& path, const QString& identifier = QStringLiteral("org.horavia.Horavia"),
                       const QByteArray& version = "1.0", const QByteArray& script = "#!/bin/sh\nexit 0\n")
{
    const QString plist = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleIdentifier</key><string>%1</string>
<key>CFBundleExecutable</key><string>Horavia</string>
<key>CFBundleShortVersionString</key><string>%2</string><key>CFBundleVersion</key><string>%2</string>
<key>NSHumanReadableCopyright</key><string>© 2026 Horavia</string>
<key>LSUIElement</key><true/>
</dict></plist>
)");
    writeFile(path + QStringLiteral("/Contents/Info.plist"),
              plist.arg(identifier, QString::fromUtf8(version)).toUtf8());
    writeFile(path + QStringLiteral("/Contents/Horavia"), script,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    writeFile(path + QStringLiteral("/Contents/Resources/cities.json"), "[]");
}

inline void signBundle(const QString& path, const QByteArray& key)
{
    if (const auto error = CodeSignature::sign(path, key)) qFatal("signing failed: %s", qPrintable(*error));
}

// A zip archive in memory. Entries are added as given, unchecked, so tests
// can build hostile archives too.
class ZipWriter {
public:
    ZipWriter()
        : m_archive(archive_write_new())
    {
        archive_write_set_format_zip(m_archive);
        archive_write_open_memory(m_archive, m_buffer.data(), size_t(m_buffer.size()), &m_used);
    }
    ~ZipWriter() { archive_write_free(m_archive); }

    void addFile(const QString& name, const QByteArray& bytes, int mode = 0644) { add(name, AE_IFREG, mode, bytes); }
    void addDirectory(const QString& name, int mode = 0755) { add(name, AE_IFDIR, mode, {}); }
    void addSymlink(const QString& name, const QString& target) { add(name, AE_IFLNK, 0777, {}, target); }
    // Every file and folder of `root`, named `prefix` + its path inside.
    void addTree(const QString& root, const QString& prefix)
    {
        const QDir base(root);
        addDirectory(prefix);
        QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            const QString name = prefix + QLatin1Char('/') + base.relativeFilePath(info.filePath());
            if (info.isDir())
                addDirectory(name);
            else
                addFile(name, readFile(info.filePath()), modeOf(info.filePath()));
        }
    }
    QByteArray finish()
    {
        archive_write_close(m_archive);
        return m_buffer.left(qsizetype(m_used));
    }

private:
    void add(const QString& name, int type, int mode, const QByteArray& bytes, const QString& target = {})
    {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_filetype(entry, unsigned(type));
        archive_entry_set_perm(entry, mode_t(mode));
        if (!target.isEmpty()) archive_entry_set_symlink(entry, target.toUtf8().constData());
        archive_entry_set_size(entry, bytes.size());
        archive_write_header(m_archive, entry);
        if (!bytes.isEmpty()) archive_write_data(m_archive, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(entry);
    }

    archive* m_archive;
    QByteArray m_buffer = QByteArray(8 << 20, '\0');
    size_t m_used = 0;
};
