#include "ZipExtractor.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace ZipExtractor {

namespace {

struct ReaderDeleter {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriterDeleter {
    void operator()(archive* a) const { archive_write_free(a); }
};

QString errorText(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? QString::fromUtf8(text) : QString();
}

// Entry names are checked before they are placed under the destination,
// since the library's own absolute-path check would then see every path as
// absolute.
std::optional<QString> unsafeName(const QString& name)
{
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')))
        //: An update archive refused; %1 a path inside it
        return QCoreApplication::translate("UpdaterError", "Path is absolute: %1").arg(name);
    const QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        //: An update archive refused; %1 a path inside it
        return QCoreApplication::translate("UpdaterError", "Path contains '..': %1").arg(name);
    return std::nullopt;
}

QString expansionMessage(qint64 limit)
{
    //: %1 a number of mebibytes
    return QCoreApplication::translate("UpdaterError", "The archive expands to more than %1 MiB.").arg(limit >> 20);
}

std::optional<QString> copyData(archive* reader, archive* writer, qint64& written, qint64 limit)
{
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF) return std::nullopt;
        if (status < ARCHIVE_WARN) return errorText(reader);
        written += qint64(size);
        if (written > limit) return expansionMessage(limit);
        if (archive_write_data_block(writer, block, size, offset) < ARCHIVE_WARN) return errorText(writer);
    }
}

} // namespace

std::optional<QString> extract(const QString& archivePath, const QString& destination, qint64 expansionLimit)
{
    std::unique_ptr<archive, ReaderDeleter> reader(archive_read_new());
    std::unique_ptr<archive, WriterDeleter> writer(archive_write_disk_new());
    archive_read_support_format_zip(reader.get());
    archive_write_disk_set_options(writer.get(), ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                                                     ARCHIVE_EXTRACT_PERM | ARCHIVE_EXTRACT_TIME);
    if (archive_read_open_filename(reader.get(), QFile::encodeName(archivePath).constData(), 64 * 1024) != ARCHIVE_OK)
        return errorText(reader.get());

    qint64 written = 0;
    for (int entries = 0;; ++entries) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF) break;
        if (status < ARCHIVE_WARN) return errorText(reader.get());
        if (entries >= entryLimit)
            //: %1 a number of files
            return QCoreApplication::translate("UpdaterError", "The archive holds more than %1 entries.")
                .arg(entryLimit);
        written += entryCost;
        if (written > expansionLimit) return expansionMessage(expansionLimit);

        const char* rawName = archive_entry_pathname_utf8(entry);
        const QString name = rawName ? QString::fromUtf8(rawName) : QFile::decodeName(archive_entry_pathname(entry));
        if (const auto unsafe = unsafeName(name)) return unsafe;
        if (archive_entry_filetype(entry) == AE_IFLNK)
            //: An update archive refused; %1 a path inside it
            return QCoreApplication::translate("UpdaterError", "Symbolic links are not allowed: %1").arg(name);
        if (archive_entry_hardlink(entry))
            //: An update archive refused; %1 a path inside it
            return QCoreApplication::translate("UpdaterError", "Hard links are not allowed: %1").arg(name);
        if (archive_entry_filetype(entry) != AE_IFREG && archive_entry_filetype(entry) != AE_IFDIR)
            //: An update archive refused; %1 a path inside it
            return QCoreApplication::translate("UpdaterError", "Special files are not allowed: %1").arg(name);

        // Modes are the installer's to decide, not the archive's: folders
        // 0755, files as given but never writable by others, and no setuid,
        // setgid or sticky bits.
        archive_entry_set_perm(entry,
                               archive_entry_filetype(entry) == AE_IFDIR ? 0755 : archive_entry_perm(entry) & 0755);
        const QByteArray target = QFile::encodeName(destination + QLatin1Char('/') + name);
        archive_entry_set_pathname(entry, target.constData());
        if (archive_write_header(writer.get(), entry) < ARCHIVE_WARN) return errorText(writer.get());
        if (archive_entry_filetype(entry) == AE_IFREG)
            if (const auto failure = copyData(reader.get(), writer.get(), written, expansionLimit)) return failure;
        if (archive_write_finish_entry(writer.get()) < ARCHIVE_WARN) return errorText(writer.get());
    }
    if (archive_write_close(writer.get()) < ARCHIVE_WARN) return errorText(writer.get());
    return std::nullopt;
}

} // namespace ZipExtractor
