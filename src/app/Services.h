#pragma once

#include "update/Download.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What the application needs only now and then: the updater's downloads
// and installs, and calendar files. They bring the network stack, OpenSSL,
// libarchive and libical, so on Linux they live in a module beside the
// executable, loaded the first time one of them is used, and not at every start.
struct Services {
    // Raised with every change to this table; a module of another version
    // (an upgrade's, next to a copy started before it) is not used.
    static constexpr int currentVersion = 2;
    int version;
    void (*download)(const QString& address, const Download::Limits& limits, const QObject* context,
                     std::function<void(int status, Download::Result)> done);
    std::optional<UpdaterError> (*installPayload)(const QByteArray& payload, const QString& bundlePath,
                                                  const QString& pinnedTeam);
    QByteArray (*calendarInvite)(const QString& description, const QDateTime& at);

    // Keeps the module's file from start on, so that the first use loads
    // the file that came with this executable.
    static void reserve();
    // Loaded at the first call; null (the reason on standard error) when the module cannot be.
    static const Services* load();
};

extern "C" const Services* horaviaServices();
