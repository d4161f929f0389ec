#include "UpdaterError.h"

QString UpdaterError::message() const
{
    switch (kind) {
    case Kind::http:
        return QStringLiteral("The server returned status %1.").arg(status);
    case Kind::unpackFailed:
        return text.isEmpty() ? QStringLiteral("The update couldn't be unpacked.")
                              : QStringLiteral("Unpacking failed: ") + text;
    case Kind::badAddress:
        return QStringLiteral("The update address isn't valid.");
    case Kind::badResponse:
        return QStringLiteral("The server sent something unexpected.");
    case Kind::emptyPayload:
        return QStringLiteral("The downloaded update was empty.");
    case Kind::noAppInPayload:
        return QStringLiteral("The download didn't contain Horavia.");
    case Kind::identityMismatch:
        return QStringLiteral("The download isn't a signed copy of this app, so it wasn't installed.");
    case Kind::unsigned_:
        return QStringLiteral("The download isn't properly signed, so it wasn't installed.");
    case Kind::payloadTooLarge:
        return QStringLiteral("The update is larger than 512 MB, so it wasn't downloaded.");
    case Kind::notesTooLarge:
        return QStringLiteral("The release notes are larger than 1 MB, so they weren't read.");
    case Kind::incomplete:
        return QStringLiteral("The download was cut short, so it wasn't used.");
    case Kind::timedOut:
        return QStringLiteral("The server took too long, so the download was stopped.");
    case Kind::alreadyInstalled:
        return QStringLiteral("This version is already installed.");
    case Kind::notNewer:
        return QStringLiteral("The download isn't newer than this copy, so it wasn't installed.");
    case Kind::notOwned:
        return QStringLiteral("This copy belongs to another user, so it can't update itself.");
    case Kind::platform:
        return text;
    }
    return text;
}
