#include "../support/DataTable.h"
#include "../support/RawHttpServer.h"
#include "subscription/UrlFeed.h"

#include <QNetworkAccessManager>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RawHttpServer::Answer)

namespace {

const QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n"
                       "SUMMARY:Standup\r\nDTSTART:20260115T130000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
const QByteArray ok = "HTTP/1.1 200 OK\r\n";

QByteArray sized(const QByteArray& head, const QByteArray& body)
{
    return head + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace

class TestUrlFeed : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(UrlFeed::cacheFolder()).removeRecursively(); }

    // What a server sends, and what the feed makes of it: the calendar, or
    // a reason said in Settings with nothing of the answer used. (A length
    // that lies, and fifty megabytes announced, are the calendars run's,
    // from a server of its own.)
    void answers_data()
    {
        addColumns<RawHttpServer::Answer, QString>({"answer", "problem"});
        QTest::newRow("a calendar") << RawHttpServer::Answer{sized(ok, ics)} << "";
        QTest::newRow("a calendar in chunks")
            << RawHttpServer::Answer{ok + "Transfer-Encoding: chunked\r\n\r\n" + QByteArray::number(ics.size(), 16) +
                                     "\r\n" + ics + "\r\n0\r\n\r\n"}
            << "";
        QTest::newRow("chunks cut short before the calendar's end")
            << RawHttpServer::Answer{ok + "Transfer-Encoding: chunked\r\n\r\n" + QByteArray::number(ics.size(), 16) +
                                     "\r\n" + ics.left(ics.indexOf("END:VCALENDAR"))}
            << "The calendar arrived incomplete.";
        QTest::newRow("no length, no chunks: its end is no proof")
            << RawHttpServer::Answer{ok + "Connection: close\r\n\r\n" + ics} << "The calendar arrived incomplete.";
        QTest::newRow("more than the limit, unannounced, in chunks")
            << RawHttpServer::Answer{ok + "Transfer-Encoding: chunked\r\n\r\n20000\r\n" + QByteArray(0x20000, 'x') +
                                     "\r\n0\r\n\r\n"}
            << "The calendar is too large.";
        QTest::newRow("one byte at a time, past the deadline")
            << RawHttpServer::Answer{ok + "Content-Length: 40\r\n\r\n", QByteArray(40, 'x'), 100}
            << "The calendar took too long to arrive.";
        QTest::newRow("not found") << RawHttpServer::Answer{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"}
                                   << "The calendar's server answered 404.";
        QTest::newRow("a web page") << RawHttpServer::Answer{sized(ok, "<html>hello</html>")}
                                    << "The address gives no calendar.";
    }

    void answers()
    {
        const auto [answer, problem] = fetchRow<RawHttpServer::Answer, QString>({"answer", "problem"});
        RawHttpServer server;
        server.route("/cal.ics", answer);
        int changes = 0;
        UrlFeed feed({.kind = CalendarSource::Kind::subscription, .address = server.url(u"/cal.ics"_s)}, m_network,
                     [&changes] { ++changes; }, {.bytes = 64 * 1024, .deadlineMs = 1500});
        QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        QCOMPARE(feed.problem(), problem);
        const QList<Occurrence> found =
            feed.occurrences(QDateTime(QDate(2026, 1, 15), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2026, 1, 16), QTime(0, 0), Qt::UTC), QTimeZone::utc());
        QCOMPARE(found.size(), problem.isEmpty() ? 1 : 0);
        // The address is never in what the user is told.
        QVERIFY(!feed.problem().contains(u"127.0.0.1"_s));
    }

    // The copy is kept: shown at the next start at once, and asked for again
    // only if changed; a server gone keeps the copy on show, with the reason.
    void aKeptCopyIsShownAndRevalidated()
    {
        RawHttpServer server;
        server.route("/cal.ics", {sized(ok + "ETag: \"v1\"\r\nCache-Control: max-age=7200\r\n", ics)});
        const CalendarSource source{.kind = CalendarSource::Kind::subscription, .address = server.url(u"/cal.ics"_s)};
        const UrlFeed::Limits limits{.bytes = 64 * 1024, .deadlineMs = 1500};
        const QDateTime from(QDate(2026, 1, 15), QTime(0, 0), Qt::UTC);
        const QDateTime to = from.addDays(1);
        {
            int changes = 0;
            UrlFeed first(
                source, m_network, [&changes] { ++changes; }, limits);
            QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        }
        server.route("/cal.ics", {"HTTP/1.1 304 Not Modified\r\nContent-Length: 0\r\n\r\n"});
        int changes = 0;
        UrlFeed again(
            source, m_network, [&changes] { ++changes; }, limits);
        QCOMPARE(again.occurrences(from, to, QTimeZone::utc()).size(), 1); // before any answer
        QTRY_VERIFY_WITH_TIMEOUT(server.lastRequest.contains("If-None-Match: \"v1\""), 5000);
        QTest::qWait(200);
        QCOMPARE(changes, 0);
        QVERIFY(again.problem().isEmpty());

        server.route("/cal.ics", {"HTTP/1.1 500 Oops\r\nContent-Length: 0\r\n\r\n"});
        UrlFeed gone(
            source, m_network, [&changes] { ++changes; }, limits);
        QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        QCOMPARE(gone.problem(), u"The calendar's server answered 500."_s);
        QCOMPARE(gone.occurrences(from, to, QTimeZone::utc()).size(), 1);
    }

    // A modification time in the second of the answer may hide a change
    // made within that second: the next request does not rely on it.
    void onlyAStrongDateIsAskedWith_data()
    {
        addColumns<QByteArray, bool>({"modified", "asked"});
        QTest::newRow("a minute before the answer") << QByteArray("Fri, 16 Jan 2026 11:59:00 GMT") << true;
        QTest::newRow("in the second of the answer") << QByteArray("Fri, 16 Jan 2026 12:00:00 GMT") << false;
    }

    void onlyAStrongDateIsAskedWith()
    {
        const auto [modified, asked] = fetchRow<QByteArray, bool>({"modified", "asked"});
        RawHttpServer server;
        server.route("/cal.ics",
                     {sized(ok + "Date: Fri, 16 Jan 2026 12:00:00 GMT\r\nLast-Modified: " + modified + "\r\n", ics)});
        const CalendarSource source{.kind = CalendarSource::Kind::subscription, .address = server.url(u"/cal.ics"_s)};
        int changes = 0;
        {
            UrlFeed first(source, m_network, [&changes] { ++changes; }, {});
            QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        }
        server.lastRequest.clear();
        UrlFeed again(source, m_network, [] {}, {});
        QTRY_VERIFY_WITH_TIMEOUT(!server.lastRequest.isEmpty(), 5000);
        QCOMPARE(server.lastRequest.contains("If-Modified-Since: " + modified), asked);
    }

private:
    QNetworkAccessManager m_network;
};

QTEST_GUILESS_MAIN(TestUrlFeed)
#include "TestUrlFeed.moc"
