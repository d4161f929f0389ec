#include "InstallPipeline.h"

#include "platform/BundleSwap.h"
#include "services/CodeSignature.h"
#include "services/FileTree.h"
#include "services/ZipExtractor.h"
#include "update/BundleInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QVersionNumber>

namespace {

// The work folder goes on every way out of an install, whatever it holds.
struct WorkFolder {
    QTemporaryDir dir;
    explicit WorkFolder(const QString& pattern)
        : dir(pattern)
    {
        dir.setAutoRemove(false);
    }
    ~WorkFolder()
    {
        if (dir.isValid()) FileTree::remove(dir.path());
    }
};

} // namespace

namespace InstallPipeline {

std::optional<UpdaterError> installPayload(const QByteArray& payload, const QString& bundlePath,
                                           const QString& pinnedTeam)
{
    // Beside the bundle, so the final swap stays on one file system.
    const QString parent = QFileInfo(bundlePath).absolutePath();
    WorkFolder folder(parent + QStringLiteral("/.horavia-update-XXXXXX"));
    QTemporaryDir& work = folder.dir;
    if (!work.isValid())
        return UpdaterError::platform(
            //: %1 the reason
            QCoreApplication::translate("UpdaterError", "The update couldn't be prepared: %1").arg(work.errorString()));

    const QString archive = work.filePath(QStringLiteral("payload.zip"));
    QSaveFile file(archive);
    if (!file.open(QIODevice::WriteOnly) || file.write(payload) != payload.size() || !file.commit())
        return UpdaterError::platform(
            //: %1 the reason
            QCoreApplication::translate("UpdaterError", "The update couldn't be saved: %1").arg(file.errorString()));

    const QString unpacked = work.filePath(QStringLiteral("unpacked"));
    if (!QDir().mkpath(unpacked))
        return UpdaterError::platform(QCoreApplication::translate("UpdaterError", "The update couldn't be prepared."));
    if (const auto failure = unpack(archive, unpacked)) return failure;

    const std::optional<QString> candidate = findApp(unpacked);
    if (!candidate) return UpdaterError::of(UpdaterError::Kind::noAppInPayload);
    if (const auto failure = verifyIdentity(*candidate, bundlePath, pinnedTeam)) return failure;

    if (const auto failure = BundleSwap::exchange(*candidate, bundlePath))
        return UpdaterError::platform(
            //: %1 the reason
            QCoreApplication::translate("UpdaterError", "The update couldn't replace the app: %1").arg(*failure));
    return std::nullopt;
}

std::optional<UpdaterError> unpack(const QString& archivePath, const QString& destination)
{
    if (const std::optional<QString> failure = ZipExtractor::extract(archivePath, destination))
        return UpdaterError::unpackFailed(*failure);
    return std::nullopt;
}

std::optional<QString> findApp(const QString& folder, int depth)
{
    if (depth > 2) return std::nullopt;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (entry.suffix() == QLatin1String("app")) return entry.absoluteFilePath();
    for (const QFileInfo& entry : entries) {
        if (!entry.isDir() || entry.isSymLink()) continue;
        if (auto found = findApp(entry.absoluteFilePath(), depth + 1)) return found;
    }
    return std::nullopt;
}

std::optional<UpdaterError> verifyIdentity(const QString& candidate, const QString& running, const QString& pinnedTeam)
{
    const std::optional<BundleInfo> candidateInfo = BundleInfo::read(candidate);
    const std::optional<BundleInfo> runningInfo = BundleInfo::read(running);
    if (!candidateInfo || !runningInfo || candidateInfo->identifier.isEmpty() || runningInfo->identifier.isEmpty() ||
        candidateInfo->identifier != runningInfo->identifier)
        return UpdaterError::of(UpdaterError::Kind::identityMismatch);

    const std::optional<QString> candidateTeam = teamIdentifier(candidate);
    if (!candidateTeam) return UpdaterError::of(UpdaterError::Kind::unsigned_);
    // The team a release must come from: the one this build was made for,
    // else the one the running copy was signed by. Its files need not still
    // verify (a stray file must not open the door to any key); only a copy
    // that was never signed, a build of one's own, takes any team.
    std::optional<QString> expected;
    if (!pinnedTeam.isEmpty())
        expected = pinnedTeam;
    else if (CodeSignature::hasSignature(running))
        expected = CodeSignature::signedTeam(running).value_or(QString());
    if (expected && *expected != *candidateTeam) return UpdaterError::of(UpdaterError::Kind::identityMismatch);

    // A genuine but older release must not replace a newer one: the
    // candidate's version (covered by its signature) must be higher. The
    // same version is the running one, offered to a copy installed by hand.
    const QVersionNumber candidateVersion = QVersionNumber::fromString(candidateInfo->version);
    const QVersionNumber runningVersion = QVersionNumber::fromString(runningInfo->version);
    if (candidateVersion.isNull() || runningVersion.isNull() || candidateVersion < runningVersion)
        return UpdaterError::of(UpdaterError::Kind::notNewer);
    if (candidateVersion == runningVersion) return UpdaterError::of(UpdaterError::Kind::alreadyInstalled);
    return std::nullopt;
}

std::optional<QString> teamIdentifier(const QString& bundlePath)
{
    return CodeSignature::verify(bundlePath);
}

} // namespace InstallPipeline
