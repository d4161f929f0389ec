#pragma once

#include <QString>

#include <functional>
#include <sys/stat.h>

// Walks and removes folder trees by their raw names, through descriptors and
// never through a link. Qt's own iterators pass over names that are not
// valid in the file-name encoding, which would hide whatever sits under them.
namespace FileTree {

// Called for every entry below the root, parents before children, with the
// path relative to the root and the entry's own lstat. `parent` is an open
// descriptor of its folder and `name` its raw name, for openat(). Returning
// false stops the walk.
using Visitor = std::function<bool(const QString& relative, const struct stat& status, int parent, const char* name)>;

// False when the walk was stopped, a folder could not be read, or a name is
// not valid UTF-8.
bool walk(const QString& root, const Visitor& visit);

// Removes the tree, whatever its names and folder modes; false when
// something stayed. A link is removed, never followed.
bool remove(const QString& root);

} // namespace FileTree
