#pragma once

#include "agenda/CalendarFeed.h"
#include "calendar/IcsCalendar.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// A calendar subscribed to by its address: fetched when switched on, then
// at most hourly (later when the server's Cache-Control says so), asking
// only for a changed copy (ETag, Last-Modified). The last good copy is kept
// in the user's cache, so that it shows at once at the next start and
// while the server cannot be reached. A fetch is refused, like an update's,
// past a size, past a deadline however slowly bytes come, and when its
// length is not what the server said; what went wrong is said in Settings,
// never with the address in it.
class UrlFeed : public QObject, public CalendarFeed {
    Q_OBJECT

public:
    static constexpr qint64 leastIntervalSeconds = 3600;
    static constexpr qint64 mostIntervalSeconds = 24 * 3600;
    struct Limits {
        qint64 bytes = 20 * 1024 * 1024;
        int deadlineMs = 60'000; // the whole transfer's, however slowly bytes still come
        bool fetches = true;     // or only the kept copy (the command line's: the application fetches)
    };

    // Fetches at once, asking only for a changed copy where one is kept.
    UrlFeed(const CalendarSource& source, QNetworkAccessManager& network, std::function<void()> changed, Limits limits);
    ~UrlFeed() override;

    QList<Occurrence> occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const override;
    QString problem() const override { return m_problem; }
    QString name() const override { return m_calendar ? m_calendar->name() : QString(); }

    // Where the copies are kept, one per address.
    static QString cacheFolder();

private:
    void fetch();
    void finished(QNetworkReply* reply);
    void fail(const QString& problem);
    void schedule(qint64 seconds);
    void keep(const QByteArray& body);
    void readKept();

    CalendarSource m_source;
    QNetworkAccessManager& m_network;
    std::function<void()> m_changed;
    QPointer<QNetworkReply> m_reply;
    QTimer m_next;
    QString m_cacheName;
    Limits m_limits;
    std::optional<IcsCalendar> m_calendar;
    QString m_problem;
    QByteArray m_etag;
    QByteArray m_lastModified;
    QDateTime m_fetched;
    qint64 m_maxAge = 0;
};
