#include "InstallPipeline.h"

#include "platform/BundleInfo.h"
#include "platform/BundleSwap.h"
#include "platform/CodeSignature.h"
#include "platform/ZipExtractor.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace InstallPipeline {

std::optional<UpdaterError> installPayload(const QByteArray& payload, const QString& bundlePath)
{
    // Beside the bundle, so the final swap stays on one file system. The
    // folder is removed with everything in it when this returns.
    const QString parent = QFileInfo(bundlePath).absolutePath();
    QTemporaryDir work(parent + QStringLiteral("/.horavia-update-XXXXXX"));
    if (!work.isValid())
        return UpdaterError::platform(QStringLiteral("The update couldn't be prepared: %1").arg(work.errorString()));

    const QString archive = work.filePath(QStringLiteral("payload.zip"));
    QSaveFile file(archive);
    if (!file.open(QIODevice::WriteOnly) || file.write(payload) != payload.size() || !file.commit())
        return UpdaterError::platform(QStringLiteral("The update couldn't be saved: %1").arg(file.errorString()));

    const QString unpacked = work.filePath(QStringLiteral("unpacked"));
    if (!QDir().mkpath(unpacked)) return UpdaterError::platform(QStringLiteral("The update couldn't be prepared."));
    if (const auto failure = unpack(archive, unpacked)) return failure;

    const std::optional<QString> candidate = findApp(unpacked);
    if (!candidate) return UpdaterError::of(UpdaterError::Kind::noAppInPayload);
    if (const auto failure = verifyIdentity(*candidate, bundlePath)) return failure;

    if (const auto failure = BundleSwap::exchange(*candidate, bundlePath))
        return UpdaterError::platform(QStringLiteral("The update couldn't replace the app: %1").arg(*failure));
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

std::optional<UpdaterError> verifyIdentity(const QString& candidate, const QString& running)
{
    const std::optional<BundleInfo> candidateInfo = BundleInfo::read(candidate);
    const std::optional<BundleInfo> runningInfo = BundleInfo::read(running);
    if (!candidateInfo || !runningInfo || candidateInfo->identifier.isEmpty() || runningInfo->identifier.isEmpty() ||
        candidateInfo->identifier != runningInfo->identifier)
        return UpdaterError::of(UpdaterError::Kind::identityMismatch);

    const std::optional<QString> candidateTeam = teamIdentifier(candidate);
    if (!candidateTeam) return UpdaterError::of(UpdaterError::Kind::unsigned_);
    // A running copy without a valid signature (a build of one's own) takes
    // any validly signed copy of the same application.
    const std::optional<QString> runningTeam = teamIdentifier(running);
    if (runningTeam && *runningTeam != *candidateTeam) return UpdaterError::of(UpdaterError::Kind::identityMismatch);
    return std::nullopt;
}

std::optional<QString> teamIdentifier(const QString& bundlePath)
{
    return CodeSignature::verify(bundlePath);
}

} // namespace InstallPipeline
