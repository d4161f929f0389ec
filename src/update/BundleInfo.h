#pragma once

#include <QString>

#include <optional>

// What a bundle's Contents/Info.plist says about it. A bundle is a folder
// "Name.app" holding Contents/Info.plist, the executable directly in
// Contents/, and Contents/Resources/.
struct BundleInfo {
    QString identifier;   // CFBundleIdentifier
    QString executable;   // CFBundleExecutable, a file name in Contents/
    QString shortVersion; // CFBundleShortVersionString
    QString version;      // CFBundleVersion
    QString copyright;    // NSHumanReadableCopyright

    // None when the information list is missing or not an XML property list.
    static std::optional<BundleInfo> read(const QString& bundlePath);

    // The bundle the running executable lives in (needs a QCoreApplication).
    static QString runningBundlePath();

    // Whether the bundle folder belongs to the user this process runs as:
    // only then is replacing it theirs to do.
    static bool isOwnedByUser(const QString& bundlePath);

    // Contents/<executable> of the bundle.
    QString executablePath(const QString& bundlePath) const;
};
