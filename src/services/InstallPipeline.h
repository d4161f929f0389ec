#pragma once

#include "update/UpdaterError.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file work of an install, run off the main thread: unpack the payload in
// a work folder beside the running bundle, find the bundle in it, check that
// it is a validly signed copy of this application from the same team, and
// swap it in. Nothing outside the work folder is touched before the swap, and
// the work folder is gone afterwards, whatever happened.
namespace InstallPipeline {

// Installs the zip archive `payload` in place of the bundle at `bundlePath`.
// `pinnedTeam`: the team this build accepts releases from; empty when unset.
std::optional<UpdaterError> installPayload(const QByteArray& payload, const QString& bundlePath,
                                           const QString& pinnedTeam = {});

std::optional<UpdaterError> unpack(const QString& archivePath, const QString& destination);

// The first entry named "*.app" directly in `folder`; else, folder by folder,
// the first found below, down to two levels under the top (depth 0).
std::optional<QString> findApp(const QString& folder, int depth = 0);

// Same bundle identifier, validly signed, and from the expected team: the
// pinned one when set, else the running copy's signer (whether or not its
// files still verify); only a never-signed running copy takes any team.
std::optional<UpdaterError> verifyIdentity(const QString& candidate, const QString& running,
                                           const QString& pinnedTeam = {});

// The team that validly signed the bundle; none when it is not validly signed.
std::optional<QString> teamIdentifier(const QString& bundlePath);

} // namespace InstallPipeline
