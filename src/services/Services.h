#pragma once

#include "update/Download.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtPlugin>

#include <optional>

// What the application needs only now and then: the updater's downloads
// and installs, and calendar files. They bring the network stack, OpenSSL,
// libarchive and libical, so on Linux they live in a module beside the
// executable, loaded the first time one of them is used, and not at every start.
class Services {
public:
    virtual ~Services() = default;
    virtual void download(const QString& address, const Download::Limits& limits, const QObject* context,
                          std::function<void(int status, Download::Result)> done) const = 0;
    virtual std::optional<UpdaterError> installPayload(const QByteArray& payload, const QString& bundlePath,
                                                       const QString& pinnedTeam) const = 0;
    virtual QByteArray calendarInvite(const QString& description, const QDateTime& at) const = 0;

    // Keeps the module's file from start on, so that the first use loads
    // the file that came with this executable.
    static void reserve();
    // The services linked in, else the module's, loaded at the first call;
    // null (the reason on standard error) when the module cannot be.
    static const Services* load();
};

// Raised with every change to this interface: a module of another version
// (an upgrade's, beside a copy started before it) is then refused.
#define Services_iid "org.horavia.Horavia.Services/3"
Q_DECLARE_INTERFACE(Services, Services_iid)
