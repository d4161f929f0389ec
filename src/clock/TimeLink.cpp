#include "TimeLink.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace TimeLink {

QString of(const QDateTime& at)
{
    // To the minute: the seconds of a live clock are no part of a proposal.
    const QDateTime utc = at.toUTC();
    return QStringLiteral("horavia:?at=") + utc.addSecs(-utc.time().second()).toString(Qt::ISODate);
}

Opened read(const QString& address, const QDateTime& now, qint64 rangeSeconds)
{
    const auto refused = [](const char* why) { return Opened{{}, QCoreApplication::translate("TimeLink", why)}; };
    if (address.size() > longest)
        return refused(QT_TRANSLATE_NOOP("TimeLink", "This link is too long to be a Horavia link."));
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().compare(QLatin1String("horavia"), Qt::CaseInsensitive) != 0)
        return refused(QT_TRANSLATE_NOOP("TimeLink", "This is not a Horavia link."));
    if (!url.authority().isEmpty() || !url.path().isEmpty() || url.hasFragment())
        return refused(QT_TRANSLATE_NOOP("TimeLink", "This link has parts Horavia does not know."));
    const QUrlQuery query(url);
    const auto items = query.queryItems(QUrl::FullyDecoded);
    if (items.size() != 1 || items.first().first != QLatin1String("at"))
        return refused(items.isEmpty()
                           ? QT_TRANSLATE_NOOP("TimeLink", "This link names no time.")
                           : QT_TRANSLATE_NOOP("TimeLink", "This link holds fields Horavia does not know."));
    // Seconds optional, and a zone always: a time without one is a wall
    // time, which would mean something else in every receiver's zone.
    static const QRegularExpression instant(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}(:\\d{2})?(Z|[+-]\\d{2}:\\d{2})$"));
    const QString value = items.first().second;
    const QDateTime at = QDateTime::fromString(value, Qt::ISODate);
    if (!instant.match(value).hasMatch() || !at.isValid())
        return refused(QT_TRANSLATE_NOOP("TimeLink", "This link's time cannot be read."));
    if (std::abs(now.secsTo(at)) > rangeSeconds)
        return refused(QT_TRANSLATE_NOOP("TimeLink", "This link's time is more than a week from now."));
    return {at.toUTC(), {}};
}

} // namespace TimeLink
