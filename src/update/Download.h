#pragma once

#include "UpdaterError.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <variant>

class QObject;

// One GET of the updater's, with its limits: the body as sent, or why there
// is none. A status other than 200 comes with an empty body.
namespace Download {

using Result = std::variant<QByteArray, UpdaterError>;

struct Limits {
    qint64 size = 0;                   // bytes; a larger body is abandoned
    UpdaterError::Kind tooLargeKind{}; // the failure it is abandoned with
    qint64 deadlineMs = 0;             // the whole transfer's, however slowly bytes still arrive
};

// Starts the transfer (the network module's, or a test's); `done` runs
// once, on the caller's thread, unless `context` is gone by then.
using Function = std::function<void(const QString& address, const Limits& limits, const QObject* context,
                                    std::function<void(int status, Result)> done)>;

} // namespace Download
