#include "UpdaterError.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// "512 MB", in the language's digits and unit.
QString size(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 0, QLocale::DataSizeTraditionalFormat);
}

} // namespace

QString UpdaterError::message() const
{
    switch (kind) {
    case Kind::http:
        //: %1 an HTTP status code
        return QCoreApplication::translate("UpdaterError", "The server returned status %1.").arg(status);
    case Kind::unpackFailed:
        return text.isEmpty() ? QCoreApplication::translate("UpdaterError", "The update couldn't be unpacked.")
                              //: %1 the reason
                              : QCoreApplication::translate("UpdaterError", "Unpacking failed: %1").arg(text);
    case Kind::badAddress:
        return QCoreApplication::translate("UpdaterError", "The update address isn't valid.");
    case Kind::badResponse:
        return QCoreApplication::translate("UpdaterError", "The server sent something unexpected.");
    case Kind::emptyPayload:
        return QCoreApplication::translate("UpdaterError", "The downloaded update was empty.");
    case Kind::noAppInPayload:
        return QCoreApplication::translate("UpdaterError", "The download didn't contain Horavia.");
    case Kind::identityMismatch:
        return QCoreApplication::translate("UpdaterError",
                                           "The download isn't a signed copy of this app, so it wasn't installed.");
    case Kind::unsigned_:
        return QCoreApplication::translate("UpdaterError",
                                           "The download isn't properly signed, so it wasn't installed.");
    case Kind::payloadTooLarge:
        //: %1 a size ("512 MB")
        return QCoreApplication::translate("UpdaterError", "The update is larger than %1, so it wasn't downloaded.")
            .arg(size(payloadLimit));
    case Kind::notesTooLarge:
        //: %1 a size ("1 MB")
        return QCoreApplication::translate("UpdaterError",
                                           "The release notes are larger than %1, so they weren't read.")
            .arg(size(notesLimit));
    case Kind::incomplete:
        return QCoreApplication::translate("UpdaterError", "The download was cut short, so it wasn't used.");
    case Kind::timedOut:
        return QCoreApplication::translate("UpdaterError", "The server took too long, so the download was stopped.");
    case Kind::alreadyInstalled:
        return QCoreApplication::translate("UpdaterError", "This version is already installed.");
    case Kind::notNewer:
        return QCoreApplication::translate("UpdaterError",
                                           "The download isn't newer than this copy, so it wasn't installed.");
    case Kind::notOwned:
        return QCoreApplication::translate("UpdaterError",
                                           "This copy belongs to another user, so it can't update itself.");
    case Kind::noAddress:
        return QCoreApplication::translate("UpdaterError",
                                           "This copy was built without an update address, so it can't update itself.");
    case Kind::platform:
        return text;
    }
    return text;
}
