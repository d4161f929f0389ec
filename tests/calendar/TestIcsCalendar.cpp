#include "../support/DataTable.h"
#include "calendar/IcsCalendar.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray calendar(const QString& body)
{
    return ("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//test//EN\n" + body + "END:VCALENDAR\n").toUtf8();
}

QString vevent(const QString& lines, const QString& uid = u"a"_s, const QString& title = u"Standup"_s)
{
    return u"BEGIN:VEVENT\nUID:%1\nSUMMARY:%2\n%3END:VEVENT\n"_s.arg(uid, title, lines);
}

// "2026-01-15T08:00Z/60 Title" (start, minutes), or "2026-01-20..2026-01-21 Title" for days.
QStringList described(const QList<Occurrence>& occurrences)
{
    QStringList out;
    for (const Occurrence& o : occurrences) {
        if (o.allDay)
            out.append(u"%1..%2 %3"_s.arg(o.firstDay.toString(Qt::ISODate), o.lastDay.toString(Qt::ISODate), o.title));
        else
            out.append(u"%1/%2 %3"_s.arg(o.start.toUTC().toString(u"yyyy-MM-ddTHH:mm'Z'"_s))
                           .arg(o.start.secsTo(o.end) / 60)
                           .arg(o.title));
    }
    return out;
}

const QString weeklyBerlin = u"DTSTART;TZID=Europe/Berlin:20260316T090000\nDTEND;TZID=Europe/Berlin:20260316T093000\n"
                             "RRULE:FREQ=WEEKLY;COUNT=4\n"_s;

} // namespace

class TestIcsCalendar : public QObject {
    Q_OBJECT

private slots:
    // Instants written out by hand. The span is [from, to); the home zone
    // places floating times and all-day events' days.
    void occurrences_data()
    {
        addColumns<QString, QString, QString, QString, QStringList>({"body", "home", "from", "to", "expected"});
        // Seen from UTC, from 1 January to 1 May, unless the row says otherwise.
        const auto row = [](const char* name, const QString& body, const QStringList& expected,
                            const char* home = "UTC", const char* from = "2026-01-01T00:00Z",
                            const char* to = "2026-05-01T00:00Z") {
            QTest::newRow(name) << body << QString::fromLatin1(home) << QString::fromLatin1(from)
                                << QString::fromLatin1(to) << expected;
        };
        row("a zone of the tz database",
            vevent(u"DTSTART;TZID=Europe/Berlin:20260115T090000\nDTEND;TZID=Europe/Berlin:20260115T100000\n"_s),
            {"2026-01-15T08:00Z/60 Standup"});
        row("weekly across the change: 9:00 stays 9:00 in Berlin", vevent(weeklyBerlin),
            {"2026-03-16T08:00Z/30 Standup", "2026-03-23T08:00Z/30 Standup", "2026-03-30T07:00Z/30 Standup",
             "2026-04-06T07:00Z/30 Standup"});
        row("a RECURRENCE-ID moves one occurrence",
            vevent(weeklyBerlin) +
                vevent(u"RECURRENCE-ID;TZID=Europe/Berlin:20260323T090000\n"
                       "DTSTART;TZID=Europe/Berlin:20260324T140000\nDTEND;TZID=Europe/Berlin:20260324T150000\n"_s,
                       u"a"_s, u"Moved"_s),
            {"2026-03-16T08:00Z/30 Standup", "2026-03-24T13:00Z/60 Moved", "2026-03-30T07:00Z/30 Standup",
             "2026-04-06T07:00Z/30 Standup"});
        row("an EXDATE removes the occurrence at its instant",
            vevent(weeklyBerlin + u"EXDATE;TZID=Europe/Berlin:20260330T090000\n"_s),
            {"2026-03-16T08:00Z/30 Standup", "2026-03-23T08:00Z/30 Standup", "2026-04-06T07:00Z/30 Standup"});
        row("an EXDATE at another instant removes nothing", vevent(weeklyBerlin + u"EXDATE:20260330T090000Z\n"_s),
            {"2026-03-16T08:00Z/30 Standup", "2026-03-23T08:00Z/30 Standup", "2026-03-30T07:00Z/30 Standup",
             "2026-04-06T07:00Z/30 Standup"});
        row("monthly on the second Tuesday, one excluded, across New York's change",
            vevent(u"DTSTART;TZID=America/New_York:20260113T100000\nDURATION:PT45M\n"
                   "RRULE:FREQ=MONTHLY;BYDAY=2TU;COUNT=3\nEXDATE;TZID=America/New_York:20260210T100000\n"_s),
            {"2026-01-13T15:00Z/45 Standup", "2026-03-10T14:00Z/45 Standup"});
        row("UNTIL in UTC, inclusive",
            vevent(u"DTSTART;TZID=Europe/Berlin:20260105T090000\nRRULE:FREQ=DAILY;UNTIL=20260107T080000Z\n"_s),
            {"2026-01-05T08:00Z/0 Standup", "2026-01-06T08:00Z/0 Standup", "2026-01-07T08:00Z/0 Standup"});
        row("an endless series seen years later",
            vevent(u"DTSTART;TZID=Europe/Berlin:20200106T090000\nRRULE:FREQ=WEEKLY\n"_s),
            {"2026-01-05T08:00Z/0 Standup", "2026-01-12T08:00Z/0 Standup"}, "UTC", "2026-01-05T00:00Z",
            "2026-01-19T00:00Z");
        row("an RDATE adds one",
            vevent(u"DTSTART;TZID=Europe/Berlin:20260115T090000\nRDATE;TZID=Europe/Berlin:20260120T150000\n"_s),
            {"2026-01-15T08:00Z/0 Standup", "2026-01-20T14:00Z/0 Standup"});
        row("a floating time is the home zone's", vevent(u"DTSTART:20260115T090000\nDTEND:20260115T093000\n"_s),
            {"2026-01-15T14:00Z/30 Standup"}, "America/New_York");
        row("a Windows zone's name", vevent(u"DTSTART;TZID=W. Europe Standard Time:20260715T090000\n"_s),
            {"2026-07-15T07:00Z/0 Standup"}, "UTC", "2026-07-01T00:00Z", "2026-08-01T00:00Z");
        row("a publisher's prefix before the zone",
            vevent(u"DTSTART;TZID=/freeassociation.sourceforge.net/Asia/Tokyo:20260115T090000\n"_s),
            {"2026-01-15T00:00Z/0 Standup"});
        row("an unknown zone uses its VTIMEZONE",
            u"BEGIN:VTIMEZONE\nTZID:Office Time\nBEGIN:STANDARD\nDTSTART:19700101T000000\n"
            "TZOFFSETFROM:+0530\nTZOFFSETTO:+0530\nEND:STANDARD\nEND:VTIMEZONE\n"_s +
                vevent(u"DTSTART;TZID=Office Time:20260115T090000\n"_s),
            {"2026-01-15T03:30Z/0 Standup"});
        row("a start the clocks skip: the offset from before the gap",
            vevent(u"DTSTART;TZID=America/New_York:20260308T023000\n"_s), {"2026-03-08T07:30Z/0 Standup"});
        row("a floating start the viewer's clocks skip", vevent(u"DTSTART:20260308T023000\n"_s),
            {"2026-03-08T07:30Z/0 Standup"}, "America/New_York");
        row("a repeated time: its first occurrence", vevent(u"DTSTART;TZID=America/New_York:20261101T013000\n"_s),
            {"2026-11-01T05:30Z/0 Standup"}, "UTC", "2026-10-01T00:00Z", "2026-12-01T00:00Z");
        row("a rule's occurrence in the gap is none",
            vevent(u"DTSTART;TZID=America/New_York:20260301T023000\nRRULE:FREQ=WEEKLY;COUNT=3\n"_s),
            {"2026-03-01T07:30Z/0 Standup", "2026-03-15T06:30Z/0 Standup"});
        const QString holiday = u"DTSTART;VALUE=DATE:20260120\nDTEND;VALUE=DATE:20260121\n"_s;
        row("an all-day event seen from UTC-10 is its date", vevent(holiday, u"h"_s, u"Holiday"_s),
            {"2026-01-20..2026-01-20 Holiday"}, "Pacific/Honolulu", "2026-01-19T00:00Z", "2026-01-25T00:00Z");
        row("an all-day event seen from UTC+14 is its date", vevent(holiday, u"h"_s, u"Holiday"_s),
            {"2026-01-20..2026-01-20 Holiday"}, "Pacific/Kiritimati", "2026-01-19T00:00Z", "2026-01-25T00:00Z");
        row("days: each of them",
            vevent(u"DTSTART;VALUE=DATE:20260201\nDTEND;VALUE=DATE:20260204\n"_s, u"t"_s, u"Trip"_s),
            {"2026-02-01..2026-02-03 Trip"});
        row("yearly days", vevent(u"DTSTART;VALUE=DATE:20250214\nRRULE:FREQ=YEARLY\n"_s, u"v"_s, u"Day"_s),
            {"2026-02-14..2026-02-14 Day"}, "Asia/Tokyo");
        row("cancelled and declined are left out, others' refusals are theirs",
            u"X-WR-CALNAME:me@example.org\n"_s +
                vevent(u"DTSTART:20260115T090000Z\nSTATUS:CANCELLED\n"_s, u"c"_s, u"Cancelled"_s) +
                vevent(u"DTSTART:20260115T100000Z\nATTENDEE;PARTSTAT=DECLINED:mailto:Me@Example.org\n"_s, u"d"_s,
                       u"Declined"_s) +
                vevent(u"DTSTART:20260115T110000Z\nATTENDEE;PARTSTAT=DECLINED:mailto:you@example.org\n"
                       "ATTENDEE;PARTSTAT=ACCEPTED:mailto:me@example.org\n"_s,
                       u"k"_s, u"Kept"_s),
            {"2026-01-15T11:00Z/0 Kept"});
        row("outside the span: nothing", vevent(weeklyBerlin), {}, "UTC", "2026-05-01T00:00Z", "2026-06-01T00:00Z");
    }

    void occurrences()
    {
        const auto [body, home, from, to, expected] =
            fetchRow<QString, QString, QString, QString, QStringList>({"body", "home", "from", "to", "expected"});
        QString error;
        const auto read = IcsCalendar::read(calendar(body), &error);
        QVERIFY2(read, qPrintable(error));
        const auto at = [](const QString& text) { return QDateTime::fromString(text, Qt::ISODate); };
        QCOMPARE(described(read->expand(at(from), at(to), QTimeZone(home.toUtf8()))), expected);
    }

    // Hostile files: refused whole, or bounded.
    void boundsHold_data()
    {
        addColumns<QByteArray, bool, int>({"bytes", "read", "atMost"});
        QByteArray deep = "BEGIN:VCALENDAR\n";
        for (int i = 0; i < 50; ++i)
            deep += "BEGIN:VEVENT\n";
        QTest::newRow("nested fifty deep") << deep << false << 0;
        QTest::newRow("larger than the limit") << calendar(QString(2 * 1024 * 1024, u'x')) << false << 0;
        QTest::newRow("not a calendar") << QByteArray("hello") << false << 0;
        QTest::newRow("every second, forever")
            << calendar(vevent(u"DTSTART:20260101T000000Z\nRRULE:FREQ=SECONDLY\n"_s)) << true << 1000;
        QTest::newRow("every minute since 1970")
            << calendar(vevent(u"DTSTART:19700101T000000Z\nRRULE:FREQ=MINUTELY\n"_s)) << true << 1000;
    }

    void boundsHold()
    {
        const auto [bytes, read, atMost] = fetchRow<QByteArray, bool, int>({"bytes", "read", "atMost"});
        IcsLimits limits;
        limits.bytes = 1024 * 1024;
        limits.stepsPerSeries = 5000;
        limits.occurrences = 1000;
        const auto calendar = IcsCalendar::read(bytes, nullptr, limits);
        QCOMPARE(bool(calendar), read);
        if (!calendar) return;
        const QList<Occurrence> found =
            calendar->expand(QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2026, 1, 8), QTime(0, 0), Qt::UTC), QTimeZone::utc());
        QVERIFY(!found.isEmpty());
        QVERIFY(found.size() <= atMost);
    }
};

QTEST_GUILESS_MAIN(TestIcsCalendar)
#include "TestIcsCalendar.moc"
