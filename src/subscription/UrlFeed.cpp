#include "UrlFeed.h"

#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <chrono>

UrlFeed::UrlFeed(const CalendarSource& source, QNetworkAccessManager& network, std::function<void()> changed,
                 Limits limits)
    : m_source(source)
    , m_network(network)
    , m_changed(std::move(changed))
    , m_limits(limits)
{
    m_cacheName = cacheFolder() + u'/' +
                  QString::fromLatin1(
                      QCryptographicHash::hash(source.address.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
    m_next.setSingleShot(true);
    // An hour's wait needs no precision: the system may gather its wake-ups.
    m_next.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_next, &QTimer::timeout, this, &UrlFeed::fetch);
    // The kept copy shows at once; a conditional fetch costs the server next to nothing.
    readKept();
    if (m_limits.fetches) fetch();
}

UrlFeed::~UrlFeed()
{
    if (m_reply) m_reply->abort();
}

QString UrlFeed::cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/horavia/calendars");
}

QList<Occurrence> UrlFeed::occurrences(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const
{
    return m_calendar ? m_calendar->expand(from, to, home) : QList<Occurrence>();
}

void UrlFeed::readKept()
{
    QFile meta(m_cacheName + QStringLiteral(".json"));
    QFile body(m_cacheName + QStringLiteral(".ics"));
    if (!meta.open(QIODevice::ReadOnly) || meta.size() > 4096 || !body.open(QIODevice::ReadOnly) ||
        body.size() > m_limits.bytes)
        return;
    const QJsonObject kept = QJsonDocument::fromJson(meta.readAll()).object();
    // Kept for another address (a collision, or a file put there): not this calendar's.
    if (kept.value(QLatin1String("address")).toString() != m_source.address) return;
    m_calendar = IcsCalendar::read(body.readAll());
    if (!m_calendar) return;
    m_etag = kept.value(QLatin1String("etag")).toString().toLatin1();
    m_lastModified = kept.value(QLatin1String("lastModified")).toString().toLatin1();
    m_fetched = QDateTime::fromString(kept.value(QLatin1String("fetched")).toString(), Qt::ISODate);
    m_maxAge = std::clamp<qint64>(kept.value(QLatin1String("maxAge")).toInteger(), 0, mostIntervalSeconds);
}

void UrlFeed::keep(const QByteArray& body)
{
    if (!PrivateFiles::ensureFolder(cacheFolder())) return;
    QSaveFile copy(m_cacheName + QStringLiteral(".ics"));
    if (!body.isEmpty() && copy.open(QIODevice::WriteOnly)) {
        copy.write(body);
        copy.commit();
    }
    QSaveFile meta(m_cacheName + QStringLiteral(".json"));
    if (meta.open(QIODevice::WriteOnly)) {
        meta.write(QJsonDocument(QJsonObject{{QStringLiteral("address"), m_source.address},
                                             {QStringLiteral("etag"), QString::fromLatin1(m_etag)},
                                             {QStringLiteral("lastModified"), QString::fromLatin1(m_lastModified)},
                                             {QStringLiteral("fetched"), m_fetched.toString(Qt::ISODate)},
                                             {QStringLiteral("maxAge"), m_maxAge}})
                       .toJson(QJsonDocument::Compact));
        meta.commit();
    }
}

void UrlFeed::schedule(qint64 seconds)
{
    m_next.start(std::chrono::seconds(std::clamp(seconds, qint64(60), mostIntervalSeconds)));
}

void UrlFeed::fetch()
{
    if (m_reply) return;
    // Qt refuses webcal: it is https by another name.
    QUrl url(m_source.address, QUrl::StrictMode);
    if (url.scheme().compare(QLatin1String("webcal"), Qt::CaseInsensitive) == 0) url.setScheme(QStringLiteral("https"));
    if (!CalendarList::isSubscribable(url.toString())) {
        fail(QCoreApplication::translate("Calendars", "The address can't be subscribed to."));
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(m_limits.deadlineMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Never from https to http, whatever a server redirects to.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    // The bytes as sent, so that their length can be checked against the server's word.
    request.setRawHeader("Accept-Encoding", "identity");
    if (m_calendar && !m_etag.isEmpty()) request.setRawHeader("If-None-Match", m_etag);
    if (m_calendar && !m_lastModified.isEmpty()) request.setRawHeader("If-Modified-Since", m_lastModified);
    m_reply = m_network.get(request);
    QNetworkReply* reply = m_reply;
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply] {
        reply->setProperty("horavia.abandoned", QStringLiteral("slow"));
        reply->abort();
    });
    deadline->start(m_limits.deadlineMs);
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply, most = m_limits.bytes](qint64 received, qint64 total) {
                if (received > most || total > most) {
                    reply->setProperty("horavia.abandoned", QStringLiteral("large"));
                    reply->abort();
                }
            });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void UrlFeed::fail(const QString& problem)
{
    const bool news = problem != m_problem;
    m_problem = problem;
    schedule(leastIntervalSeconds);
    if (news) m_changed();
}

void UrlFeed::finished(QNetworkReply* reply)
{
    reply->deleteLater();
    m_reply = nullptr;
    const QString abandoned = reply->property("horavia.abandoned").toString();
    if (abandoned == QLatin1String("large"))
        return fail(QCoreApplication::translate("Calendars", "The calendar is too large."));
    if (abandoned == QLatin1String("slow"))
        return fail(QCoreApplication::translate("Calendars", "The calendar took too long to arrive."));
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || reply->error() == QNetworkReply::HostNotFoundError ||
        reply->error() == QNetworkReply::ConnectionRefusedError)
        //: A subscribed calendar whose server did not answer
        return fail(QCoreApplication::translate("Calendars", "The calendar's server can't be reached."));
    const int code = status.toInt();
    if (code == 304) {
        m_fetched = QDateTime::currentDateTimeUtc();
        keep({}); // the time it was asked; the copy stays
        m_problem.clear();
        schedule(std::max(leastIntervalSeconds, m_maxAge));
        return;
    }
    if (code != 200)
        //: A subscribed calendar's server refused it; %1 is the HTTP status ("404")
        return fail(QCoreApplication::translate("Calendars", "The calendar's server answered %1.").arg(code));
    const QByteArray body = reply->readAll();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    const bool framed = length.isValid() || reply->rawHeader("Transfer-Encoding").toLower().contains("chunked") ||
                        reply->attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
    if (reply->error() != QNetworkReply::NoError || !framed ||
        (length.isValid() && length.toLongLong() != body.size()) || !(encoding.isEmpty() || encoding == "identity"))
        //: A subscribed calendar that arrived cut short or garbled
        return fail(QCoreApplication::translate("Calendars", "The calendar arrived incomplete."));
    QString why;
    std::optional<IcsCalendar> read = IcsCalendar::read(body, &why);
    //: A subscribed address whose answer is no calendar
    if (!read) return fail(QCoreApplication::translate("Calendars", "The address gives no calendar."));
    // A calendar's last line closes it: Qt 6.4 can pass chunks cut short by
    // a closed connection as whole, and what libical makes of the rest is
    // no proof.
    if (!body.trimmed().endsWith("END:VCALENDAR"))
        return fail(QCoreApplication::translate("Calendars", "The calendar arrived incomplete."));
    m_calendar = std::move(read);
    m_etag = reply->rawHeader("ETag");
    // A modification time in the second the answer was made is no proof
    // (RFC 9110 §8.8.2.2): the file may change again within that second.
    const QDateTime modified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    const QDateTime answered = QLocale::c().toDateTime(QString::fromLatin1(reply->rawHeader("Date")),
                                                       QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    const bool strong = modified.isValid() && answered.isValid() && modified.secsTo(answered) >= 1;
    m_lastModified = strong ? reply->rawHeader("Last-Modified") : QByteArray();
    static const QRegularExpression maxAge(QStringLiteral("max-age\\s*=\\s*(\\d{1,9})"));
    const QRegularExpressionMatch age = maxAge.match(QString::fromLatin1(reply->rawHeader("Cache-Control")));
    m_maxAge = age.hasMatch() ? std::min(age.captured(1).toLongLong(), mostIntervalSeconds) : 0;
    m_fetched = QDateTime::currentDateTimeUtc();
    m_problem.clear();
    keep(body);
    schedule(std::max(leastIntervalSeconds, m_maxAge));
    m_changed();
}
