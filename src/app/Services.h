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
    void (*download)(const QString& address, const Download::Limits& limits, const QObject* context,
                     std::function<void(int status, Download::Result)> done);
    std::optional<UpdaterError> (*installPayload)(const QByteArray& payload, const QString& bundlePath,
                                                  const QString& pinnedTeam);
    QByteArray (*calendarInvite)(const QString& description, const QDateTime& at);

    // Loaded at the first call; null (the reason on standard error) when the module cannot be.
    static const Services* load();
};

extern "C" const Services* horaviaServices();
