#include "../support/DataTable.h"
#include "text/LocaleText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLocaleText : public QObject {
    Q_OBJECT

private slots:
    // The plural forms come from the locale: German's two, Japanese none,
    // Arabic's one, two, few and many (and its own digits).
    // ICU's words, as the wrapper asks for them: English, and Arabic for its
    // digits and its forms for two (each language's own are ICU's data).
    void amounts_data()
    {
        addColumns<QByteArray, int, QString>({"locale", "minutes", "expected"});
        const auto rows = [](const char* locale, const QStringList& expected) {
            const int minutes[] = {60, 120, 300, 1260, 1, 2, 5, 21, 90};
            for (int i = 0; i < 9; ++i)
                QTest::addRow("%s %d", locale, minutes[i]) << QByteArray(locale) << minutes[i] << expected.at(i);
        };
        rows("en_US", {"1 hour", "2 hours", "5 hours", "21 hours", "1 minute", "2 minutes", "5 minutes", "21 minutes",
                       "1 hour, 30 minutes"});
        rows("ar",
             {"ساعة", "ساعتان", "٥ ساعات", "٢١ ساعة", "دقيقة", "دقيقتان", "٥ دقائق", "٢١ دقيقة", "ساعة و٣٠ دقيقة"});
    }
    void amounts()
    {
        const auto [locale, minutes, expected] = fetchRow<QByteArray, int, QString>({"locale", "minutes", "expected"});
        QCOMPARE(LocaleText::duration(minutes, icu::Locale(locale.constData())), expected);
    }

    void relativeTimes_data()
    {
        addColumns<QByteArray, double, int, QString>({"locale", "amount", "unit", "expected"});
        const auto rows = [](const char* locale, const QStringList& expected) {
            const std::pair<double, URelativeDateTimeUnit> distances[] = {
                {2, UDAT_REL_UNIT_DAY}, {-2, UDAT_REL_UNIT_HOUR}, {5, UDAT_REL_UNIT_MINUTE}, {-21, UDAT_REL_UNIT_DAY}};
            for (int i = 0; i < 4; ++i)
                QTest::addRow("%s %g %d", locale, distances[i].first, int(distances[i].second))
                    << QByteArray(locale) << distances[i].first << int(distances[i].second) << expected.at(i);
        };
        rows("en_US", {"in 2 days", "2 hours ago", "in 5 minutes", "21 days ago"});
        rows("ar", {"خلال يومين", "قبل ساعتين", "خلال ٥ دقائق", "قبل ٢١ يومًا"});
    }
    void relativeTimes()
    {
        const auto [locale, amount, unit, expected] =
            fetchRow<QByteArray, double, int, QString>({"locale", "amount", "unit", "expected"});
        QCOMPARE(LocaleText::relative(amount, URelativeDateTimeUnit(unit), icu::Locale(locale.constData())), expected);
    }

    // Each part in the locale's units and digits, the sign only once.
    void offsets_data()
    {
        addColumns<QByteArray, int, QString>({"locale", "seconds", "expected"});
        const auto rows = [](const char* locale, const QStringList& expected) {
            const int seconds[] = {5 * 3600, -(3 * 3600 + 1800), 45 * 60, -25 * 3600, 0};
            for (int i = 0; i < 5; ++i)
                QTest::addRow("%s %d", locale, seconds[i]) << QByteArray(locale) << seconds[i] << expected.at(i);
        };
        rows("en_US", {"+5h", "-3h 30m", "+45m", "-25h", ""});
        rows("de_DE", {"+5 Std.", "-3 Std., 30 Min.", "+45 Min.", "-25 Std.", ""});
        // Arabic's letter mark keeps the sign with its number in a right-to-left line.
        rows("ar", {"\u061C+٥ س", "\u061C-٣ س و٣٠ د", "\u061C+٤٥ د", "\u061C-٢٥ س", ""});
    }
    void offsets()
    {
        const auto [locale, seconds, expected] = fetchRow<QByteArray, int, QString>({"locale", "seconds", "expected"});
        QCOMPARE(LocaleText::offset(seconds, icu::Locale(locale.constData())), expected);
    }

    // A name put into a sentence is set apart only where the sentence reads
    // right to left; elsewhere the text stays as it is.
    void isolation_data()
    {
        addColumns<QByteArray, QString>({"interface", "expected"});
        QTest::newRow("English") << QByteArray("en") << u"New York"_s;
        QTest::newRow("German") << QByteArray("de") << u"New York"_s;
        QTest::newRow("Arabic") << QByteArray("ar") << u"\u2068New York\u2069"_s;
        QTest::newRow("Hebrew") << QByteArray("he") << u"\u2068New York\u2069"_s;
    }
    void isolation()
    {
        const auto [interface, expected] = fetchRow<QByteArray, QString>({"interface", "expected"});
        const icu::Locale before = LocaleText::interfaceLocale();
        LocaleText::setInterfaceLocale(icu::Locale(interface.constData()));
        const QString isolated = LocaleText::isolated(u"New York"_s);
        const QString empty = LocaleText::isolated(QString());
        LocaleText::setInterfaceLocale(before);
        QCOMPARE(isolated, expected);
        QCOMPARE(empty, QString());
    }

    void lists_data()
    {
        addColumns<QByteArray, QStringList>({"locale", "expected"}); // of one, two and three cities
        QTest::newRow("en_US") << "en_US"_ba << QStringList{"Tokyo", "Tokyo and Paris", "Tokyo, Sydney, and Paris"};
        QTest::newRow("ar") << "ar"_ba << QStringList{"Tokyo", "Tokyo وParis", "Tokyo وSydney وParis"};
    }
    void lists()
    {
        const auto [locale, expected] = fetchRow<QByteArray, QStringList>({"locale", "expected"});
        const QStringList cities{"Tokyo", "Sydney", "Paris"};
        const icu::Locale in(locale.constData());
        QCOMPARE((QStringList{LocaleText::list({cities.at(0)}, in), LocaleText::list({cities.at(0), cities.at(2)}, in),
                              LocaleText::list(cities, in)}),
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestLocaleText)
#include "TestLocaleText.moc"
