#pragma once

#include <QDateTime>
#include <QString>

// A proposed time to share as an address: "horavia:?at=2026-12-10T14:00:00Z".
// It holds the instant in UTC, never a wall time, so every receiver sees it
// in their own cities. An address comes from anywhere (a chat, a web page),
// so reading one trusts nothing in it.
namespace TimeLink {

constexpr qsizetype longest = 256;

QString of(const QDateTime& at);

struct Opened {
    QDateTime at;  // invalid when the address is refused
    QString error; // why, in words for the panel's line
};
// The instant of an address within `rangeSeconds` of `now`: the scheme,
// one "at" and nothing else, an ISO 8601 time with "Z" or an offset.
Opened read(const QString& address, const QDateTime& now, qint64 rangeSeconds);

} // namespace TimeLink
