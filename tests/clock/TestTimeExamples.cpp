#include "../support/DataTable.h"
#include "clock/TimeAnswer.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

// The hints show two typed times in the interface's language: each must be
// one the field reads in that language, or the hint teaches what fails.
class TestTimeExamples : public QObject {
    Q_OBJECT

private slots:
    void examplesReadAsTimes_data()
    {
        addColumns<QString>({"language"});
        for (const char* language : {"en", "de", "fr", "es", "pt_BR", "ja", "zh_CN", "ar", "he"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void examplesReadAsTimes()
    {
        const auto [language] = fetchRow<QString>({"language"});
        QTranslator catalogue;
        if (language != u"en"_s) {
            QVERIFY(catalogue.load(u"horavia_"_s + language,
                                   QStringLiteral(HORAVIA_BINARY_DIR "/Horavia.app/Contents/Resources/translations")));
            QCoreApplication::installTranslator(&catalogue);
        }
        TimePhrase::Context context;
        context.now = QDateTime::fromString(u"2026-03-06T12:00:00Z"_s, Qt::ISODate);
        context.home = {u"London"_s, QTimeZone("Europe/London")};
        context.language = language;
        QStringList placesAsked;
        context.findPlace = [&placesAsked](const QString& name) -> std::optional<TimePhrase::Place> {
            placesAsked << name;
            return TimePhrase::Place{name, QTimeZone("Asia/Tokyo")};
        };
        const QStringList examples = TimeAnswer::examples();
        QCOMPARE(examples.size(), 2);
        for (const QString& example : examples) {
            const TimePhrase::Result result = TimePhrase::read(example, context);
            QVERIFY2(result.refusal == TimePhrase::Refusal::none && !result.readings.isEmpty(), qPrintable(example));
        }
        // Each names a place, and the search is asked for nothing but it.
        QCOMPARE(placesAsked.size(), 2);
        for (const QString& place : std::as_const(placesAsked))
            QVERIFY2(!place.contains(u' ') && !place.front().isDigit(), qPrintable(place));
        QCoreApplication::removeTranslator(&catalogue);
    }
};

QTEST_GUILESS_MAIN(TestTimeExamples)
#include "TestTimeExamples.moc"
