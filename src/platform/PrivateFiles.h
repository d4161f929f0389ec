#pragma once

#include <QByteArray>
#include <QString>

// Folders and files of the user's alone, made whatever the umask, and never
// through a name another local user could have put in the way.
namespace PrivateFiles {

enum class Links { follow, refuse };

// Makes `path` and its missing parents (0700). An existing folder must be
// the user's own: one of another owner, or not a folder, is refused. One of
// the user's own that others may write is refused too, or, with `close`,
// closed to them (for folders only this application uses).
bool ensureFolder(const QString& path, Links links = Links::follow, bool close = true);

struct Written {
    QString path;  // empty when nothing was written
    QString error; // why
};
// Writes `bytes` to a new file (0600) in `folder` named prefix, six random
// characters, suffix, created exclusively so that no link or other file at
// that name is written through; then removes all but the `keep` newest of
// the user's files with that prefix and suffix.
Written writeUnique(const QString& folder, const QString& prefix, const QString& suffix, const QByteArray& bytes,
                    int keep);

// A copy of the open file `fd` that only this process can reach: unnamed,
// in the user's cache folder (the page cache holds it, as it holds the
// file), so that nobody can change it under a mapping. -1 when the cache's
// file system makes no unnamed files; the caller then reads the file.
int unnamedCopy(int fd, qint64 length);

// A file to map in place of the open file `fd`, whose bytes nobody can
// change under the mapping but root and the user: `fd` itself (a new
// descriptor) where only root may write it and the user is not root, as for
// a package's files, which
// the package manager replaces rather than rewrites; else a copy in the
// user's cache folder kept under the file's identity (device, inode, size,
// modification and change times), made once after each change of the file
// and reused by every later start. -1 when neither can be had; the caller
// then reads the file.
int steadyCopy(int fd, qint64 length);

} // namespace PrivateFiles
