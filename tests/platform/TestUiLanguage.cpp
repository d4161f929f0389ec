#include "../support/DataTable.h"
#include "base/Translations.h"
#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUiLanguage : public QObject {
    Q_OBJECT

private slots:
    // The session's language as gettext reads it, apart from LC_TIME.
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
        QTest::newRow("LANGUAGE's list first") << QVariantMap{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "pt_BR:es"}}
                                               << QStringList{"pt_BR", "pt", "es", "en_GB", "en"};
        QTest::newRow("C turns LANGUAGE off") << QVariantMap{{"LC_ALL", "C"}, {"LANGUAGE", "de"}} << QStringList{};
        QTest::newRow("POSIX") << QVariantMap{{"LANG", "POSIX"}} << QStringList{};
        QTest::newRow("C.UTF-8 too") << QVariantMap{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}} << QStringList{};
        QTest::newRow("a modifier") << QVariantMap{{"LANG", "de_DE.UTF-8@euro"}} << QStringList{"de_DE", "de"};
        QTest::newRow("no language name")
            << QVariantMap{{"LANG", "he_IL"}, {"LANGUAGE", "::../../etc:x"}} << QStringList{"he_IL", "he"};
    }
    void wanted()
    {
        const auto [environment, expected] = fetchRow<QVariantMap, QStringList>({"environment", "expected"});
        const auto read = [&environment](const char* name) {
            return environment.value(QString::fromLatin1(name)).toString().toLatin1();
        };
        QCOMPARE(UiLanguage::wanted(read), expected);
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
    }
};

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "TestUiLanguage.moc"
