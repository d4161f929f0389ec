#pragma once

#include <QString>

// Why a check or an install failed; message() is shown to the user verbatim.
struct UpdaterError {
    enum class Kind {
        http,         // status: the server's HTTP status
        unpackFailed, // text: the archive tool's error output
        badAddress,
        badResponse,
        emptyPayload,
        noAppInPayload,
        identityMismatch,
        unsigned_,
        payloadTooLarge, // the payload is over the download limit
        notesTooLarge,   // the release notes are over their limit
        incomplete,      // fewer bytes arrived than the server announced
        timedOut,        // the transfer ran past its deadline
        notNewer,        // the download is an older version than the running one
        // Not a failure: the download is the version running, so there is
        // nothing to swap, and its notes count as installed.
        alreadyInstalled,
        notOwned,  // the running copy belongs to another user
        noAddress, // built with no address to fetch releases from
        platform,  // text: the system's own description (network, file system)
    };

    Kind kind;
    int status = 0;
    QString text;

    static constexpr qint64 payloadLimit = qint64(512) << 20; // 512 MiB
    static constexpr qint64 notesLimit = qint64(1) << 20;     // 1 MiB: notes are a page of text

    static UpdaterError http(int status) { return {Kind::http, status, {}}; }
    static UpdaterError unpackFailed(const QString& output) { return {Kind::unpackFailed, 0, output.trimmed()}; }
    static UpdaterError platform(const QString& description) { return {Kind::platform, 0, description}; }
    static UpdaterError of(Kind kind) { return {kind, 0, {}}; }

    QString message() const;

    friend bool operator==(const UpdaterError&, const UpdaterError&) = default;
};
