#include "../support/DataTable.h"
#include "clock/TimeLink.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

class TestTimeLink : public QObject {
    Q_OBJECT

private slots:
    // An address from anywhere: only the one form opens, anything else
    // changes nothing and says why.
    void addresses_data()
    {
        addColumns<QString, QString, QString>({"address", "at", "error"});
        const auto row = [](const char* name, const QString& address, const char* at, const char* error) {
            QTest::newRow(name) << address << QString::fromLatin1(at) << QString::fromUtf8(error);
        };
        row("an instant", u"horavia:?at=2026-12-10T14:00:00Z"_s, "2026-12-10T14:00:00Z", "");
        row("without seconds", u"horavia:?at=2026-12-10T14:00Z"_s, "2026-12-10T14:00:00Z", "");
        row("with an offset", u"horavia:?at=2026-12-10T15:00:00%2B01:00"_s, "2026-12-10T14:00:00Z", "");
        row("the scheme in capitals", u"HORAVIA:?at=2026-12-10T14:00:00Z"_s, "2026-12-10T14:00:00Z", "");
        row("a week back, the edge", u"horavia:?at=2026-12-02T12:00:00Z"_s, "2026-12-02T12:00:00Z", "");
        const char* notOurs = "This is not a Horavia link.";
        row("another scheme", u"https:?at=2026-12-10T14:00:00Z"_s, "", notOurs);
        row("not an address", u"horavia:?at=%zz"_s, "", notOurs);
        row("empty", QString(), "", notOurs);
        const char* parts = "This link has parts Horavia does not know.";
        row("a host", u"horavia://evil.example/?at=2026-12-10T14:00:00Z"_s, "", parts);
        row("a path", u"horavia:open?at=2026-12-10T14:00:00Z"_s, "", parts);
        row("a fragment", u"horavia:?at=2026-12-10T14:00:00Z#x"_s, "", parts);
        row("no time", u"horavia:"_s, "", "This link names no time.");
        const char* fields = "This link holds fields Horavia does not know.";
        row("an extra field", u"horavia:?at=2026-12-10T14:00:00Z&run=rm"_s, "", fields);
        row("at twice", u"horavia:?at=2026-12-10T14:00:00Z&at=2026-12-11T14:00:00Z"_s, "", fields);
        const char* unreadable = "This link's time cannot be read.";
        row("a wall time", u"horavia:?at=2026-12-10T14:00:00"_s, "", unreadable);
        row("a date alone", u"horavia:?at=2026-12-10"_s, "", unreadable);
        row("no such day", u"horavia:?at=2026-02-30T14:00:00Z"_s, "", unreadable);
        row("words", u"horavia:?at=tomorrow"_s, "", unreadable);
        row("a space inside", u"horavia:?at=2026-12-10 14:00:00Z"_s, "", notOurs);
        row("an encoded space inside", u"horavia:?at=2026-12-10%2014:00:00Z"_s, "", unreadable);
        const char* far = "This link's time is more than a week from now.";
        row("next month", u"horavia:?at=2027-01-10T14:00:00Z"_s, "", far);
        row("huge", u"horavia:?at=2026-12-10T14:00:00Z&"_s + QString(300, u'x'), "",
            "This link is too long to be a Horavia link.");
    }
    void addresses()
    {
        const auto [address, at, error] = fetchRow<QString, QString, QString>({"address", "at", "error"});
        const QDateTime now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        const TimeLink::Opened opened = TimeLink::read(address, now, 7 * 86400);
        QCOMPARE(opened.at.isValid() ? opened.at.toString(Qt::ISODate) : QString(), at);
        QCOMPARE(opened.error, error);
    }

    // What Copy Link writes, read back: the same instant, to the minute.
    void roundTrip()
    {
        const QDateTime now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        const QDateTime at = QDateTime(QDate(2026, 12, 10), QTime(15, 30, 42), QTimeZone("Europe/Berlin"));
        const QString link = TimeLink::of(at);
        QCOMPARE(link, u"horavia:?at=2026-12-10T14:30:00Z"_s);
        QCOMPARE(TimeLink::read(link, now, 7 * 86400).at, at.addSecs(-42));
    }
};

QTEST_GUILESS_MAIN(TestTimeLink)
#include "TestTimeLink.moc"
