#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "clock/ClockFormatter.h"

#include <QTest>

#include <unicode/timezone.h>
#include <unicode/tzfmt.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString nnbsp = u"\u202F"_s; // CLDR puts a narrow no-break space before AM/PM

} // namespace

class TestClockFormatter : public QObject {
    Q_OBJECT

private slots:
    // The time shown for an instant in a zone: the locale's pattern or the
    // chosen format, and the offset the system's tz database gives.
    void timeText_data()
    {
        // expected: "_" for the narrow space before AM and PM
        addColumns<QString, TimeFormat, QByteArray, QDateTime, QString>(
            {"locale", "format", "zone", "instant", "expected"});

        const auto row = [](const char* name, const char* locale, TimeFormat format, const char* zone, const char* at,
                            const char* shown) {
            QTest::newRow(name) << QString::fromLatin1(locale) << format << QByteArray(zone) << instant(at)
                                << QString::fromUtf8(shown).replace(u'_', nnbsp);
        };
        const char* evening = "2024-01-15T21:41:00Z";
        const auto system = TimeFormat::system;
        row("en_US system is 12-hour", "en_US", system, "UTC", evening, "9:41_PM");
        row("en_US 24-hour forced", "en_US", TimeFormat::twentyFourHour, "UTC", evening, "21:41");
        row("en_GB system is 24-hour", "en_GB", system, "UTC", evening, "21:41");
        row("ja_JP 12-hour marker first", "ja_JP", TimeFormat::twelveHour, "UTC", evening, "午後9:41");
        row("seconds never shown", "en_GB", system, "UTC", "2024-01-15T21:41:59Z", "21:41");
        // Rules changed after ICU 72's copy of the database (2022e); the system's is current.
        row("Mexico dropped daylight time (2022)", "en_GB", system, "America/Mexico_City", "2024-07-01T12:00:00Z",
            "06:00");
        row("a zone ICU does not know", "en_GB", system, "America/Ciudad_Juarez", "2024-07-01T12:00:00Z", "06:00");
        row("New York before spring forward", "en_GB", system, "America/New_York", "2026-03-08T06:59:00Z", "01:59");
        row("New York after spring forward", "en_GB", system, "America/New_York", "2026-03-08T07:00:00Z", "03:00");
        // Texts are kept per minute of the day: a minute before midnight is not midnight.
        row("midnight", "en_GB", system, "UTC", "2026-01-01T00:00:00Z", "00:00");
        row("before 1970, late in the day", "en_GB", system, "UTC", "1969-12-31T23:59:30Z", "23:59");
    }

    void timeText()
    {
        auto [locale, format, zone, instant, expected] = fetchRow<QString, TimeFormat, QByteArray, QDateTime, QString>(
            {"locale", "format", "zone", "instant", "expected"});
        const QTimeZone there(zone);
        QVERIFY(there.isValid());
        const ClockFormatter formatter(format, DateFormat::relative, ::zone("UTC"), icu::Locale(locale.toLatin1()));
        QCOMPARE(formatter.timeText(instant, there), expected);
    }

    void dayOffset_data()
    {
        addColumns<QByteArray, QByteArray, QDateTime, int>({"home", "there", "instant", "expected"});

        const auto row = [](const char* name, const char* home, const char* there, const char* at, int offset) {
            QTest::newRow(name) << QByteArray(home) << QByteArray(there) << instant(at) << offset;
        };
        // Monday 23:30 at UTC-11 is Wednesday 00:30 at UTC+14.
        row("+2 across the date line", "Pacific/Pago_Pago", "Pacific/Kiritimati", "2026-01-13T10:30:00Z", 2);
        row("+1 just past midnight ahead", "Europe/London", "Europe/Paris", "2026-01-13T23:30:00Z", 1);
        row("-1 still yesterday", "Europe/Paris", "America/New_York", "2026-01-13T03:00:00Z", -1);
        row("0 same date, one zone on daylight time", "Africa/Abidjan", "Europe/London", "2026-07-01T12:00:00Z", 0);
        row("0 on the night clocks go back", "America/New_York", "America/Chicago", "2026-11-01T05:30:00Z", 0);
        row("+1 with home on a daylight-saving night", "America/New_York", "Asia/Tokyo", "2026-03-08T15:00:00Z", 1);
    }

    void dayOffset()
    {
        auto [home, there, instant, expected] =
            fetchRow<QByteArray, QByteArray, QDateTime, int>({"home", "there", "instant", "expected"});
        const ClockFormatter formatter(TimeFormat::system, DateFormat::relative, QTimeZone(home), icu::Locale("en_US"));
        QCOMPARE(formatter.dayOffset(instant, QTimeZone(there)), expected);
    }

    void dayLabel_data()
    {
        addColumns<QString, DateFormat, int, DayLabelPlace, QString>(
            {"locale", "format", "offset", "place", "expected"});

        const auto column = DayLabelPlace::column;
        const auto inLine = DayLabelPlace::inLine;
        const auto relative = DateFormat::relative;
        const auto abbreviated = DateFormat::abbreviated;
        const auto row = [](const char* name, const char* locale, DateFormat format, int offset, DayLabelPlace place,
                            const char* expected) {
            QTest::newRow(name) << QString::fromLatin1(locale) << format << offset << place
                                << QString::fromUtf8(expected);
        };
        // 2026-09-12 is a Saturday.
        row("relative +1", "en_US", relative, 1, column, "Tomorrow");
        row("relative -1", "en_US", relative, -1, column, "Yesterday");
        row("relative +2 falls back to the date", "en_US", relative, 2, column, "Sat, Sep 12");
        row("abbreviated", "en_US", abbreviated, 1, column, "Sat, Sep 12");
        row("numeric", "en_US", DateFormat::numeric, -1, column, "9/12");
        row("abbreviated, British order", "en_GB", abbreviated, 1, column, "Sat, 12 Sept");
        // After a time the word keeps its sentence's case: "01:00 Morgen"
        // would read "01:00 morning".
        row("en after a time", "en_US", relative, 1, inLine, "tomorrow");
        row("de heading its column", "de_DE", relative, 1, column, "Morgen");
        row("de after a time", "de_DE", relative, 1, inLine, "morgen");
        row("de yesterday after a time", "de_DE", relative, -1, inLine, "gestern");
        row("de date", "de_DE", abbreviated, 1, inLine, "Sa., 12. Sept.");
        row("es heading its column", "es_ES", relative, 1, column, "Mañana");
        row("es after a time", "es_ES", relative, 1, inLine, "mañana");
        row("es date heading its column", "es_ES", abbreviated, 1, column, "Sáb, 12 sept");
        row("es date after a time", "es_ES", abbreviated, 1, inLine, "sáb, 12 sept");
        row("fr heading its column", "fr_FR", relative, -1, column, "Hier");
        row("fr after a time", "fr_FR", relative, -1, inLine, "hier");
        row("fr date heading its column", "fr_FR", abbreviated, 1, column, "Sam. 12 sept.");
        row("fr date after a time", "fr_FR", abbreviated, 1, inLine, "sam. 12 sept.");
        row("pt_BR heading its column", "pt_BR", relative, 1, column, "Amanhã");
        row("pt_BR after a time", "pt_BR", relative, 1, inLine, "amanhã");
        row("pt_BR date after a time", "pt_BR", abbreviated, 1, inLine, "sáb., 12 de set.");
        row("ja has no case", "ja_JP", relative, 1, inLine, "明日");
    }

    void dayLabel()
    {
        auto [locale, format, offset, place, expected] = fetchRow<QString, DateFormat, int, DayLabelPlace, QString>(
            {"locale", "format", "offset", "place", "expected"});
        // 23:30 in London on Friday is already Saturday in Tokyo: the date shown is the city's.
        const ClockFormatter formatter(TimeFormat::system, format, zone("Europe/London"),
                                       icu::Locale(locale.toLatin1()));
        QCOMPARE(formatter.dayLabel(offset, instant("2026-09-11T22:30:00Z"), zone("Asia/Tokyo"), place), expected);
    }

    void zoneName_data()
    {
        addColumns<QTimeZone, QDateTime, QString>({"subject", "at", "expected"});

        const QDateTime january = instant("2026-01-15T12:00:00Z");
        const QDateTime july = instant("2026-07-15T12:00:00Z");
        QTest::newRow("generic name") << zone("Europe/Paris") << january << "Central European Time";
        QTest::newRow("generic, not daylight") << zone("America/Los_Angeles") << july << "Pacific Time";
        QTest::newRow("negative daylight time still agrees") << zone("Europe/Dublin") << january << "Ireland Time";
        QTest::newRow("UTC by its proper name") << zone("UTC") << january << "Coordinated Universal Time";
        QTest::newRow("unknown to ICU: abbreviation") << zone("America/Ciudad_Juarez") << january << "MST";
        QTest::newRow("no name, no abbreviation: identifier")
            << QTimeZone("Custom/Far_Away_Place", 3600, QString(), QString()) << january << "Far Away Place";

        // Zones whose rules changed after ICU's copy (ICU 72, as Debian 12 has
        // it; a newer copy that agrees with the system changes these rows):
        // while ICU disagrees with the system, its generic name would
        // contradict the time shown. The
        // metazone's specific name serves when its standard offset is the
        // system's; otherwise alphabetic abbreviations stand as they are, and
        // numeric ones take the GMT form.
        QTest::newRow("Cairo on summer time") << zone("Africa/Cairo") << july << "Eastern European Summer Time";
        QTest::newRow("Almaty on +05") << zone("Asia/Almaty") << january << "GMT+5";
        QTest::newRow("Chihuahua on central time, winter") << zone("America/Chihuahua") << january << "CST";
        QTest::newRow("Mexico City without daylight time")
            << zone("America/Mexico_City") << july << "Central Standard Time";
    }

    void zoneName()
    {
        const auto [subject, at, expected] = fetchRow<QTimeZone, QDateTime, QString>({"subject", "at", "expected"});
        const ClockFormatter formatter(TimeFormat::twelveHour, DateFormat::relative, zone("UTC"), icu::Locale("en_US"));

        const QString name = formatter.zoneName(subject, at);
        QCOMPARE(name, expected);
    }
};

QTEST_GUILESS_MAIN(TestClockFormatter)
#include "TestClockFormatter.moc"
