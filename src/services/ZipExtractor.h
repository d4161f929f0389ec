#pragma once

#include <QString>

#include <optional>

// Unpacks a zip archive into a folder, refusing anything that could write
// outside it: absolute paths, ".." components, symbolic and hard links.
namespace ZipExtractor {

constexpr qint64 defaultExpansionLimit = qint64(2) << 30; // 2 GiB
// A real bundle has a few dozen entries; each costs a file system entry
// whatever its size, so it is charged against the expansion limit too.
constexpr int entryLimit = 10'000;
constexpr qint64 entryCost = 4096;

// None on success; otherwise the reason, as text (possibly empty when the
// library gives none).
std::optional<QString> extract(const QString& archivePath, const QString& destination,
                               qint64 expansionLimit = defaultExpansionLimit);

} // namespace ZipExtractor
