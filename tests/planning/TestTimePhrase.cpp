#include "../support/DataTable.h"
#include "planning/TimePhrase.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Refusal = TimePhrase::Refusal;
Q_DECLARE_METATYPE(TimePhrase::Refusal)

namespace {

TimePhrase::Place placeIn(const QString& id)
{
    return {id.mid(id.lastIndexOf(u'/') + 1).replace(u'_', u' '), QTimeZone(id.toLatin1())};
}

// A few of the catalogue's places, standing in for its search.
std::optional<TimePhrase::Place> findPlace(const QString& name)
{
    static const QStringList zones{u"Asia/Tokyo"_s,          u"America/New_York"_s,    u"Europe/Berlin"_s,
                                   u"Australia/Sydney"_s,    u"Australia/Lord_Howe"_s, u"Asia/Kolkata"_s,
                                   u"America/Los_Angeles"_s, u"Europe/London"_s,       u"Europe/Paris"_s,
                                   u"America/La_Paz"_s};
    for (const QString& zone : zones)
        if (placeIn(zone).name.compare(name, Qt::CaseInsensitive) == 0) return placeIn(zone);
    return std::nullopt;
}

// "2026-03-06T15:00:00Z Tokyo EDT": an answer as the table writes it.
QStringList written(const TimePhrase::Result& result)
{
    QStringList out;
    for (const TimePhrase::Reading& reading : result.readings)
        out << (reading.at.toString(Qt::ISODate) + u' ' + reading.place.name +
                (reading.readAs.isEmpty() ? QString() : u' ' + reading.readAs))
                   .trimmed();
    return out;
}

// Each phrase, read in `context`, gives `refusal` and `expected`; a failure names the phrase.
void expectReadings(const QStringList& phrases, const TimePhrase::Context& context, Refusal refusal,
                    const QStringList& expected)
{
    for (const QString& phrase : phrases) {
        const TimePhrase::Result result = TimePhrase::read(phrase, context);
        const QString said = u"“%1”: refusal %2 and [%3], wanted %4 and [%5]"_s.arg(
            phrase, QString::number(int(result.refusal)), written(result).join(u", "), QString::number(int(refusal)),
            expected.join(u", "));
        QVERIFY2(result.refusal == refusal && written(result) == expected, qPrintable(said));
    }
}

} // namespace

class TestTimePhrase : public QObject {
    Q_OBJECT

private slots:
    // Expected instants are written with the offsets the zones' rules give
    // on those dates, not computed by the code under test.
    void phrases_data()
    {
        addColumns<QString, QString, QStringList, QStringList, Refusal, QStringList>(
            {"now", "home", "tracked", "phrases", "refusal", "expected"});
        const QStringList none;
        // Every phrase of a row gives the row's answer.
        const auto row = [](const char* name, const char* now, const char* home, const QStringList& tracked,
                            const QStringList& phrases, Refusal refusal, const QStringList& expected) {
            QTest::newRow(name) << QString::fromLatin1(now) << QString::fromLatin1(home) << tracked << phrases
                                << refusal << expected;
        };
        const auto ok = Refusal::none;
        // Friday 6 March 2026, noon in London.
        const char* fri = "2026-03-06T12:00:00Z";
        const char* london = "Europe/London";
        row("3pm written five ways", fri, london, none, {"3pm", "3 PM", "3 p.m.", "15:00", "1500"}, ok,
            {u"2026-03-06T15:00:00Z London"_s});
        row("3:30pm", fri, london, none, {"3:30pm"}, ok, {u"2026-03-06T15:30:00Z London"_s});
        row("930am", fri, london, none, {"930am tomorrow"}, ok, {u"2026-03-07T09:30:00Z London"_s});
        row("noon, now; 12pm is noon", fri, london, none, {"noon", "12pm"}, ok, {u"2026-03-06T12:00:00Z London"_s});
        row("midnight; 12am is midnight", fri, london, none, {"midnight", "12am"}, ok,
            {u"2026-03-07T00:00:00Z London"_s});
        row("a time past today is tomorrow's", fri, london, none, {"11am"}, ok, {u"2026-03-07T11:00:00Z London"_s});
        row("today keeps a past time", fri, london, none, {"today 11am"}, ok, {u"2026-03-06T11:00:00Z London"_s});
        row("yesterday", fri, london, none, {"yesterday 9pm"}, ok, {u"2026-03-05T21:00:00Z London"_s});
        row("a city, tomorrow at", fri, london, none, {"3pm Tokyo", "tomorrow at 3pm Tokyo"}, ok,
            {u"2026-03-07T06:00:00Z Tokyo"_s});
        row("9:30 Tokyo", fri, london, none, {"9:30 Tokyo"}, ok, {u"2026-03-07T00:30:00Z Tokyo"_s});
        row("a day, in a city", fri, london, none, {"Fri 14:00 in New York"}, ok, {u"2026-03-06T19:00:00Z New York"_s});
        row("a region, on a day", fri, london, none, {"9 am Central on Friday"}, ok,
            {u"2026-03-06T15:00:00Z Chicago CST"_s});

        // New York: the clocks skip 2:00-3:00 on 8 March and repeat 1:00-2:00 on 1 November.
        const char* ny = "America/New_York";
        row("New York before the jump", fri, london, none, {"Sun 1:30am New York"}, ok,
            {u"2026-03-08T06:30:00Z New York"_s});
        row("New York's skipped hour", fri, london, none, {"Sun 2:30am New York"}, Refusal::skipped, none);
        row("New York after the jump", fri, london, none, {"Sun 3:30am New York"}, ok,
            {u"2026-03-08T07:30:00Z New York"_s});
        row("EST after the jump reads as EDT", fri, london, none, {"Mar 8 10am EST"}, ok,
            {u"2026-03-08T14:00:00Z New York EDT"_s});
        row("EST before it", fri, london, none, {"2026-03-07 10am EST"}, ok, {u"2026-03-07T15:00:00Z New York EST"_s});
        const char* octFri = "2026-10-30T12:00:00Z";
        row("New York's repeated hour, the earlier", octFri, ny, none, {"Nov 1 1:30am"}, ok,
            {u"2026-11-01T05:30:00Z New York"_s});
        row("New York before the repeat", octFri, ny, none, {"Nov 1 12:59am"}, ok,
            {u"2026-11-01T04:59:00Z New York"_s});
        row("New York after it", octFri, ny, none, {"Sun 3am"}, ok, {u"2026-11-01T08:00:00Z New York"_s});

        // Berlin: 2:00-3:00 skipped on 29 March, repeated on 25 October (the
        // minutes either side of a change are New York's and Lord Howe's rows).
        const char* marBerlin = "2026-03-27T12:00:00Z";
        row("Berlin's skipped hour", marBerlin, london, none, {"Sun 2:30 Berlin"}, Refusal::skipped, none);
        row("CET", marBerlin, london, none, {"Sat 10:00 CET"}, ok, {u"2026-03-28T09:00:00Z Berlin CET"_s});
        row("CET in summer reads as CEST", marBerlin, london, none, {"Mar 30 10:00 CET"}, ok,
            {u"2026-03-30T08:00:00Z Berlin CEST"_s});
        const char* octBerlin = "2026-10-23T12:00:00Z";
        row("Berlin's repeated hour", octBerlin, london, none, {"Oct 25 2:30 Berlin"}, ok,
            {u"2026-10-25T00:30:00Z Berlin"_s});

        // Sydney: 2:00-3:00 repeated on 5 April, skipped on 4 October.
        const char* aprSydney = "2026-04-03T00:00:00Z";
        row("Sydney's repeated hour", aprSydney, london, none, {"Sun 2:30am Sydney"}, ok,
            {u"2026-04-04T15:30:00Z Sydney"_s});
        row("AEST still in summer time", aprSydney, london, none, {"Sat 9am AEST"}, ok,
            {u"2026-04-03T22:00:00Z Sydney AEDT"_s});
        const char* octSydney = "2026-10-02T00:00:00Z";
        row("Sydney's skipped hour", octSydney, london, none, {"Sun 2:30am Sydney"}, Refusal::skipped, none);

        // Lord Howe moves its clocks by half an hour, at 2:00.
        row("Lord Howe's repeated half hour", aprSydney, london, none, {"Sun 1:45am Lord Howe"}, ok,
            {u"2026-04-04T14:45:00Z Lord Howe"_s});
        row("Lord Howe after", aprSydney, london, none, {"Sun 2:15am Lord Howe"}, ok,
            {u"2026-04-04T15:45:00Z Lord Howe"_s});
        row("Lord Howe's skipped half hour", octSydney, london, none, {"Sun 2:15am Lord Howe"}, Refusal::skipped, none);
        row("Lord Howe after the jump", octSydney, london, none, {"Sun 2:30am Lord Howe"}, ok,
            {u"2026-10-03T15:30:00Z Lord Howe"_s});
        row("Lord Howe before it", octSydney, london, none, {"Sun 1:59am Lord Howe"}, ok,
            {u"2026-10-03T15:29:00Z Lord Howe"_s});

        // EST is written all year for Eastern Time.
        const char* jan = "2026-01-14T12:00:00Z";
        const char* jul = "2026-07-15T12:00:00Z";
        row("Eastern in January", jan, london, none, {"3pm EST", "3pm edt", "3pm Eastern"}, ok,
            {u"2026-01-14T20:00:00Z New York EST"_s});
        row("Eastern in July", jul, london, none, {"3pm EST", "3pm ET"}, ok, {u"2026-07-15T19:00:00Z New York EDT"_s});
        row("PST, a tracked city that writes it", jan, london, {u"America/Vancouver"_s}, {"3pm PST"}, ok,
            {u"2026-01-14T23:00:00Z Vancouver PST"_s});

        // An abbreviation of several meanings.
        row("IST, nothing tracked: each meaning", jan, london, none, {"3pm IST"}, ok,
            {u"2026-01-14T15:00:00Z Dublin GMT"_s, u"2026-01-14T13:00:00Z Jerusalem IST"_s,
             u"2026-01-15T09:30:00Z Kolkata IST"_s});
        row("IST with Kolkata tracked", jan, london, {u"Europe/Paris"_s, u"Asia/Kolkata"_s}, {"3pm IST"}, ok,
            {u"2026-01-15T09:30:00Z Kolkata IST"_s});
        row("IST at home in Dublin", jul, "Europe/Dublin", none, {"3pm IST"}, ok,
            {u"2026-07-15T14:00:00Z Dublin IST"_s});
        row("IST, home and a tracked city", jul, "Europe/Dublin", {u"Asia/Kolkata"_s}, {"3pm IST"}, ok,
            {u"2026-07-15T14:00:00Z Dublin IST"_s, u"2026-07-16T09:30:00Z Kolkata IST"_s});
        row("CST, nothing tracked", jan, london, none, {"3pm CST"}, ok,
            {u"2026-01-14T21:00:00Z Chicago CST"_s, u"2026-01-15T07:00:00Z Shanghai CST"_s});
        row("BST at home in London", jul, london, none, {"3pm BST"}, ok, {u"2026-07-15T14:00:00Z London BST"_s});
        row("two tracked cities of one zone are one answer", jan, london, {u"America/Toronto"_s, u"America/New_York"_s},
            {"3pm EST"}, ok, {u"2026-01-14T20:00:00Z Toronto EST"_s});

        // Weekdays across a week's end: Saturday 12 December, noon in London.
        const char* sat = "2026-12-12T12:00:00Z";
        row("Monday next, by weekday or date", sat, london, none,
            {"Mon 9am", "Dec 14 9am", "9am 14 Dec", "9am December 14th"}, ok, {u"2026-12-14T09:00:00Z London"_s});
        row("Sunday", sat, london, none, {"sunday 9am"}, ok, {u"2026-12-13T09:00:00Z London"_s});
        row("today's weekday, past", sat, london, none, {"Sat 9am"}, ok, {u"2026-12-19T09:00:00Z London"_s});
        row("today's weekday, ahead", sat, london, none, {"Sat 3pm"}, ok, {u"2026-12-12T15:00:00Z London"_s});
        row("Friday, after the week's end", sat, london, none, {"Friday noon"}, ok, {u"2026-12-18T12:00:00Z London"_s});
        row("an ISO date in a city", sat, london, none, {"2026-12-15 10:00 Tokyo"}, ok,
            {u"2026-12-15T01:00:00Z Tokyo"_s});
        const char* yearsEnd = "2026-12-30T12:00:00Z";
        row("a date in the next year", yearsEnd, london, none, {"Jan 2 9am"}, ok, {u"2027-01-02T09:00:00Z London"_s});
        row("a weekday in the next year", yearsEnd, london, none, {"Fri 9am"}, ok, {u"2027-01-01T09:00:00Z London"_s});

        // Offsets (their forms are the offsets' own table) and identifiers.
        row("UTC+5:30", jan, london, none, {"3pm UTC+5:30"}, ok, {u"2026-01-15T09:30:00Z UTC+05:30"_s});
        row("utc", jan, london, none, {"3pm utc"}, ok, {u"2026-01-14T15:00:00Z UTC"_s});
        row("an identifier", jan, london, none, {"3pm Asia/Tokyo"}, ok, {u"2026-01-15T06:00:00Z Tokyo"_s});
        row("an identifier in lower case", jan, london, none, {"3pm in america/new_york"}, ok,
            {u"2026-01-14T20:00:00Z New York"_s});

        // Refused, each for its reason.
        row("not a time", jan, london, none, {"", "Tokyo", "3", "15", "930", "25:00", "13pm", "3:75pm"},
            Refusal::notATime, none);
        row("no such zone", jan, london, none, {"3pm Atlantis", "3pm UTC+15"}, Refusal::unknownZone, none);
        row("beyond the week", sat, london, none, {"Dec 30 9am"}, Refusal::outOfRange, none);
        row("long before it", fri, london, none, {"2026-01-01 9am"}, Refusal::outOfRange, none);
        row("two days; a date no month has", sat, london, none, {"Mon 9am Tue", "Feb 30 9am"}, Refusal::unknownDay,
            none);
    }
    void phrases()
    {
        const auto [now, home, tracked, phrases, refusal, expected] =
            fetchRow<QString, QString, QStringList, QStringList, Refusal, QStringList>(
                {"now", "home", "tracked", "phrases", "refusal", "expected"});
        TimePhrase::Context context;
        context.now = QDateTime::fromString(now, Qt::ISODate);
        context.home = placeIn(home);
        for (const QString& zone : tracked)
            context.tracked << placeIn(zone);
        context.findPlace = findPlace;
        expectReadings(phrases, context, refusal, expected);
    }

    // Each language's own words, English's as well, from Friday 6 March
    // 2026 at noon in London: 8 March is New York's change to summer time
    // (2:30 is skipped there), 29 March Europe's.
    void phrasesInTheLanguage_data()
    {
        addColumns<QString, QStringList, Refusal, QStringList>({"language", "phrases", "refusal", "expected"});
        const auto ok = Refusal::none;
        const auto row = [](const char* language, const QStringList& phrases, Refusal refusal,
                            const QStringList& expected) {
            QTest::newRow((QString::fromLatin1(language) + u": "_s + phrases.join(u" | ")).toUtf8().constData())
                << QString::fromLatin1(language) << phrases << refusal << expected;
        };
        const QStringList none;
        const QStringList today15utc{u"2026-03-06T15:00:00Z UTC"_s};
        const QStringList saturday9utc{u"2026-03-07T09:00:00Z UTC"_s};
        const QStringList today18utc{u"2026-03-06T18:00:00Z UTC"_s};
        const QStringList yesterday9utc{u"2026-03-05T09:00:00Z UTC"_s};
        const QStringList berlinSaturday9{u"2026-03-07T08:00:00Z Berlin"_s};
        const QStringList berlinNextFriday9{u"2026-03-13T08:00:00Z Berlin"_s};
        const QStringList londonMonday{u"2026-03-09T14:30:00Z London"_s};
        const QStringList newYorkSunday330{u"2026-03-08T07:30:00Z New York"_s};
        const QStringList ninthOfMarch{u"2026-03-09T10:00:00Z UTC"_s};
        const auto skipped = Refusal::skipped;

        row("de", {"15 Uhr Berlin"}, ok, {u"2026-03-06T14:00:00Z Berlin"_s});
        row("de", {"morgen 9:00 Berlin", "morgen um 9 Uhr in Berlin"}, ok, berlinSaturday9);
        row("de", {"Fr 9:00 Berlin"}, ok, berlinNextFriday9);
        row("de", {"Montag 14:30 London"}, ok, londonMonday);
        row("de", {"So 2:30 New York"}, skipped, none);
        row("de", {"So. 3:30 New York"}, ok, newYorkSunday330);
        row("de", {"heute 18 Uhr UTC"}, ok, today18utc);
        row("de", {"gestern 9:00 UTC"}, ok, yesterday9utc);
        row("de", {"9. März 10:00 UTC"}, ok, ninthOfMarch);
        row("de", {"15:30 Uhr PST"}, ok, {u"2026-03-06T23:30:00Z Los Angeles PST"_s});
        row("de", {"3pm UTC"}, ok, today15utc); // English always
        row("de", {"morgen 9:00 Qwzx"}, Refusal::unknownZone, none);

        row("fr", {"15h Paris"}, ok, {u"2026-03-06T14:00:00Z Paris"_s});
        row("fr", {"demain 9h Paris"}, ok, {u"2026-03-07T08:00:00Z Paris"_s});
        row("fr", {"demain à 9h30 Paris"}, ok, {u"2026-03-07T08:30:00Z Paris"_s});
        row("fr", {"ven. 9h Berlin", "Fri 9:00 in Berlin"}, ok, berlinNextFriday9);
        row("fr", {"lundi 14h30 London"}, ok, londonMonday);
        row("fr", {"dim. 2h30 New York"}, skipped, none);
        row("fr", {"dimanche 3h30 New York"}, ok, newYorkSunday330);
        row("fr", {"aujourd'hui 18h UTC"}, ok, today18utc);
        row("fr", {"hier 9h UTC"}, ok, yesterday9utc);
        row("fr", {"9 mars 10h UTC"}, ok, ninthOfMarch);
        row("fr", {"15 heures UTC"}, ok, today15utc);
        row("fr", {"demain 9h Qwzx"}, Refusal::unknownZone, none);

        row("es", {"mañana a las 9:00 Berlin"}, ok, berlinSaturday9);
        row("es", {"manana 9:00 UTC"}, ok, saturday9utc);
        row("es", {"hoy 18:00 UTC"}, ok, today18utc);
        row("es", {"ayer 9:00 UTC"}, ok, yesterday9utc);
        row("es", {"vie 9:00 Berlin"}, ok, berlinNextFriday9);
        row("es", {"lunes 14:30 London"}, ok, londonMonday);
        row("es", {"dom 2:30 New York"}, skipped, none);
        row("es", {"domingo 3:30 New York"}, ok, newYorkSunday330);
        row("es", {"9 de marzo 10:00 UTC"}, ok, ninthOfMarch);
        row("es", {"3 p. m. UTC"}, ok, today15utc);
        row("es", {"15:00 en London"}, ok, {u"2026-03-06T15:00:00Z London"_s});
        row("es", {"mañana 9:00 Qwzx"}, Refusal::unknownZone, none);

        row("pt_BR", {"amanhã às 9:00 Berlin"}, ok, berlinSaturday9);
        row("pt_BR", {"hoje 18h UTC"}, ok, today18utc);
        row("pt_BR", {"ontem 9h UTC"}, ok, yesterday9utc);
        row("pt_BR", {"sex 9:00 Berlin"}, ok, berlinNextFriday9);
        row("pt_BR", {"segunda-feira 14:30 London"}, ok, londonMonday);
        row("pt_BR", {"dom 2:30 New York"}, skipped, none);
        row("pt_BR", {"domingo 3h30 New York"}, ok, newYorkSunday330);
        row("pt_BR", {"9 de março 10h UTC"}, ok, ninthOfMarch);
        row("pt_BR", {"15h00 UTC", "15 horas UTC"}, ok, today15utc);
        row("pt_BR", {"amanhã 9h Qwzx"}, Refusal::unknownZone, none);

        row("ja", {"明日 9時 UTC"}, ok, saturday9utc);
        row("ja", {"今日 18時 UTC"}, ok, today18utc);
        row("ja", {"昨日 9時 UTC"}, ok, yesterday9utc);
        row("ja", {"金曜日 9:00 Berlin"}, ok, berlinNextFriday9);
        row("ja", {"月曜日 14時30分 London"}, ok, londonMonday);
        row("ja", {"日曜日 2時30分 New York"}, skipped, none);
        row("ja", {"日 3:30 New York"}, ok, newYorkSunday330);
        row("ja", {"3月9日 10時 UTC"}, ok, ninthOfMarch);
        row("ja", {"午後3時 UTC", "１５：００ UTC"}, ok, today15utc);
        row("ja", {"午前9時 JST"}, ok, {u"2026-03-07T00:00:00Z Tokyo JST"_s});
        row("ja", {"明日 9時 Qwzx"}, Refusal::unknownZone, none);

        row("zh_CN", {"明天 9点 UTC", "上午9点 UTC"}, ok, saturday9utc);
        row("zh_CN", {"今天 18点 UTC"}, ok, today18utc);
        row("zh_CN", {"昨天 9点 UTC"}, ok, yesterday9utc);
        row("zh_CN", {"星期五 9:00 Berlin"}, ok, berlinNextFriday9);
        row("zh_CN", {"周一 14点30分 London"}, ok, londonMonday);
        row("zh_CN", {"星期日 2:30 New York"}, skipped, none);
        row("zh_CN", {"周日 3点30分 New York"}, ok, newYorkSunday330);
        row("zh_CN", {"3月9日 10点 UTC"}, ok, ninthOfMarch);
        row("zh_CN", {"下午3点 UTC"}, ok, today15utc);
        row("zh_CN", {"15:00 在 London"}, ok, {u"2026-03-06T15:00:00Z London"_s});
        row("zh_CN", {"明天 9点 Qwzx"}, Refusal::unknownZone, none);

        row("ar", {"غدًا ٩:٠٠ UTC", "غدا 9:00 UTC", "٩ ص UTC"}, ok, saturday9utc);
        row("ar", {"اليوم ١٨:٠٠ UTC"}, ok, today18utc);
        row("ar", {"أمس ٩:٠٠ UTC"}, ok, yesterday9utc);
        row("ar", {"الجمعة ٩:٠٠ Berlin"}, ok, berlinNextFriday9);
        row("ar", {"الاثنين ١٤:٣٠ London"}, ok, londonMonday);
        row("ar", {"الأحد ٢:٣٠ New York"}, skipped, none);
        row("ar", {"٣ م UTC", "الساعة ٣:٠٠ م UTC"}, ok, today15utc);
        row("ar", {"١٥:٠٠ في London"}, ok, {u"2026-03-06T15:00:00Z London"_s});
        row("ar", {"غدًا ٩:٠٠ Qwzx"}, Refusal::unknownZone, none);

        row("he", {"מחר 9:00 UTC", "מחר ב־9:00 UTC"}, ok, saturday9utc);
        row("he", {"היום 18:00 UTC"}, ok, today18utc);
        row("he", {"אתמול 9:00 UTC"}, ok, yesterday9utc);
        row("he", {"יום שישי 9:00 Berlin"}, ok, berlinNextFriday9);
        row("he", {"יום ב׳ 14:30 London"}, ok, londonMonday);
        row("he", {"יום ראשון 2:30 New York"}, skipped, none);
        row("he", {"בשעה 15:00 UTC", "3 אחה״צ UTC"}, ok, today15utc);
        row("he", {"15:00 בLondon"}, ok, {u"2026-03-06T15:00:00Z London"_s});
        row("he", {"מחר 9:00 Qwzx"}, Refusal::unknownZone, none);
        // An article before a place is the place's own ("La Paz").
        row("es", {"15:00 La Paz"}, ok, {u"2026-03-06T19:00:00Z La Paz"_s});
        row("es", {"mañana a las 9:00 en La Paz"}, ok, {u"2026-03-07T13:00:00Z La Paz"_s});
        // A language's word means nothing in another.
        row("de", {"demain 9h Paris"}, Refusal::notATime, none);
    }

    void phrasesInTheLanguage()
    {
        const auto [language, phrases, refusal, expected] =
            fetchRow<QString, QStringList, Refusal, QStringList>({"language", "phrases", "refusal", "expected"});
        TimePhrase::Context context;
        context.now = QDateTime::fromString(u"2026-03-06T12:00:00Z"_s, Qt::ISODate);
        context.home = placeIn(u"Europe/London"_s);
        context.findPlace = findPlace;
        context.language = language;
        expectReadings(phrases, context, refusal, expected);
    }
};

QTEST_GUILESS_MAIN(TestTimePhrase)
#include "TestTimePhrase.moc"
