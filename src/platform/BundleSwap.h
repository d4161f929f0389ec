#pragma once

#include <QString>

#include <optional>

// Exchanges two folders on one file system in a single atomic step, so the
// running bundle's path holds either the old or the new version, never a mix.
namespace BundleSwap {

// None on success; otherwise the system's description of the failure.
std::optional<QString> exchange(const QString& first, const QString& second);

} // namespace BundleSwap
