#include "../support/DataTable.h"
#include "base/Translations.h"
#include "planning/Schedule.h"
#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUiLanguage : public QObject {
    Q_OBJECT

private slots:
    // The session's language: Qt's reading of the environment, which it
    // makes once per process, so each row is a run of this program of its own.
    void wanted_data()
    {
        addColumns<QVariantMap, QStringList>({"environment", "expected"});
        QTest::newRow("nothing") << QVariantMap{} << QStringList{};
        QTest::newRow("LANG") << QVariantMap{{"LANG", "de_DE.UTF-8"}} << QStringList{"de_DE", "de"};
        QTest::newRow("LC_MESSAGES over LANG")
            << QVariantMap{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}} << QStringList{"fr_FR", "fr"};
        QTest::newRow("LC_ALL over both")
            << QVariantMap{{"LANG", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "ja_JP.UTF-8"}}
            << QStringList{"ja_JP", "ja"};
        QTest::newRow("LC_TIME is the formats'")
            << QVariantMap{{"LANG", "en_US.UTF-8"}, {"LC_TIME", "de_DE.UTF-8"}} << QStringList{"en_US", "en"};
        QTest::newRow("LANGUAGE's list instead") << QVariantMap{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "pt_BR:es"}}
                                                 << QStringList{"pt_BR", "pt", "es", "es_ES"};
        QTest::newRow("C turns LANGUAGE off") << QVariantMap{{"LC_ALL", "C"}, {"LANGUAGE", "de"}} << QStringList{};
        QTest::newRow("POSIX") << QVariantMap{{"LANG", "POSIX"}} << QStringList{};
        QTest::newRow("C.UTF-8 too") << QVariantMap{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}} << QStringList{};
        QTest::newRow("a modifier") << QVariantMap{{"LANG", "de_DE.UTF-8@euro"}} << QStringList{"de_DE", "de"};
        QTest::newRow("no language name: a path")
            << QVariantMap{{"LANG", "he_IL.UTF-8"}, {"LANGUAGE", "../../etc/x:he"}} << QStringList{"he", "he_IL"};
    }
    void wanted()
    {
        const auto [environment, expected] = fetchRow<QVariantMap, QStringList>({"environment", "expected"});
        QProcess run;
        QProcessEnvironment variables;
        for (auto [name, value] : environment.asKeyValueRange())
            variables.insert(name, value.toString());
        run.setProcessEnvironment(variables);
        run.start(QCoreApplication::applicationFilePath(), {u"--wanted"_s});
        QVERIFY(run.waitForFinished());
        const QString printed = QString::fromUtf8(run.readAllStandardOutput()).trimmed();
        QCOMPARE(printed.isEmpty() ? QStringList{} : printed.split(u' '), expected);
    }

    void namesOf_data()
    {
        addColumns<QStringList, QStringList>({"tags", "expected"});
        QTest::newRow("territory and script") << QStringList{"zh-CN", "zh-Hans-CN", "zh"} << QStringList{"zh_CN", "zh"};
        QTest::newRow("each once") << QStringList{"de", "de-DE", "de"} << QStringList{"de", "de_DE"};
        QTest::newRow("no file names from outside")
            << QStringList{"../de", "de/..", "de-DE.x", "C", "und", "de_DE", ""} << QStringList{};
    }
    void namesOf()
    {
        const auto [tags, expected] = fetchRow<QStringList, QStringList>({"tags", "expected"});
        QCOMPARE(UiLanguage::namesOf(tags), expected);
    }

    // Qt's own texts come in the first wanted language that has them;
    // English before it means the source texts. The layout stays left to
    // right even under Qt's Arabic.
    void qtsOwnTexts()
    {
        const auto copy = [] { return QCoreApplication::translate("QLineEdit", "&Copy"); };
        QCOMPARE(Translations::install({u"en_GB"_s, u"en"_s, u"de"_s}), QString());
        QCOMPARE(copy(), u"&Copy"_s);
        QCOMPARE(Translations::install({u"xx_YY"_s, u"de_DE"_s, u"de"_s}), QString()); // no Horavia catalogue yet
        QCOMPARE(copy(), u"&Kopieren"_s);
        Translations::install({u"ar"_s});
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        // What a screen reader says of a row is in the catalogues too.
        QCOMPARE(Translations::install(
                     {u"de"_s}, QStringLiteral(HORAVIA_BINARY_DIR "/Horavia.app/Contents/Resources/translations")),
                 u"de"_s);
        QCOMPARE(dayPartText(DayPart::awake), u"außerhalb der Arbeitszeit"_s);
    }
};

int main(int argc, char** argv)
{
    // A row's run of its own: the languages it finds, on one line.
    if (argc == 2 && qstrcmp(argv[1], "--wanted") == 0) {
        QCoreApplication application(argc, argv);
        std::puts(UiLanguage::wanted().join(u' ').toUtf8().constData());
        return 0;
    }
    QCoreApplication application(argc, argv);
    TestUiLanguage test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestUiLanguage.moc"
