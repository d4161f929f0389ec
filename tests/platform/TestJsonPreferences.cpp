#include "../support/TestValues.h"
#include "platform/JsonPreferences.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestJsonPreferences : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void typesSurviveARestart()
    {
        {
            JsonPreferences prefs(path());
            prefs.setObject(true, QStringLiteral("flag"));
            prefs.setObject(QStringLiteral("twelveHour"), QStringLiteral("text"));
            prefs.setObject(QStringList{"gn1", "tz:America/Nuuk"}, QStringLiteral("list"));
            prefs.setObject(QVariantMap{{"tz:Asia/Tokyo", "🗼"}, {"gn2/x", "Home"}}, QStringLiteral("map"));
            prefs.setObject(QStringList{}, QStringLiteral("emptyList"));
            QVERIFY(prefs.synchronize());
        }
        const QJsonObject onDisk = QJsonDocument::fromJson(readFile(path())).object();
        QCOMPARE(onDisk.value(QStringLiteral("flag")), QJsonValue(true));
        QVERIFY(onDisk.value(QStringLiteral("list")).isArray());

        JsonPreferences prefs(path());
        QCOMPARE(prefs.boolean(QStringLiteral("flag")), std::optional(true));
        QCOMPARE(prefs.string(QStringLiteral("text")), std::optional(QStringLiteral("twelveHour")));
        QCOMPARE(prefs.stringArray(QStringLiteral("list")), std::optional(QStringList{"gn1", "tz:America/Nuuk"}));
        QCOMPARE(prefs.stringArray(QStringLiteral("emptyList")), std::optional(QStringList{}));
        const QVariantMap map = prefs.dictionary(QStringLiteral("map")).value_or(QVariantMap());
        QCOMPARE(map.value(QStringLiteral("tz:Asia/Tokyo")).toString(), QStringLiteral("🗼"));
        QCOMPARE(map.value(QStringLiteral("gn2/x")).toString(), QStringLiteral("Home"));
    }

    void typedReadsRejectOtherTypes()
    {
        writeFile(path(), R"({"text":"true","number":1,"mixed":["a",2],"map":{"a":1},"list":["a"],"null":null})");
        JsonPreferences prefs(path());
        QCOMPARE(prefs.boolean(QStringLiteral("text")), std::nullopt);
        QCOMPARE(prefs.boolean(QStringLiteral("number")), std::nullopt);
        QCOMPARE(prefs.boolean(QStringLiteral("null")), std::nullopt);
        QCOMPARE(prefs.string(QStringLiteral("number")), std::nullopt);
        QCOMPARE(prefs.string(QStringLiteral("list")), std::nullopt);
        QCOMPARE(prefs.stringArray(QStringLiteral("mixed")), std::nullopt);
        QCOMPARE(prefs.stringArray(QStringLiteral("text")), std::nullopt);
        QCOMPARE(prefs.dictionary(QStringLiteral("list")), std::nullopt);
        QCOMPARE(prefs.stringArray(QStringLiteral("missing")), std::nullopt);
        // A dictionary is returned whatever its values; judging them is the caller's business.
        QCOMPARE(prefs.dictionary(QStringLiteral("map"))->value(QStringLiteral("a")).toInt(), 1);
    }

    void readingNeverCreatesTheFile()
    {
        {
            JsonPreferences prefs(path());
            QVERIFY(!prefs.string(QStringLiteral("anything")));
        }
        QVERIFY(!QFileInfo::exists(path()));
    }

    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("truncated") << QByteArray(R"({"showsFlags": fal)");
        QTest::newRow("array at top level") << QByteArray(R"(["trackedCityIDs"])");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02garbage", 10);
    }

    void unreadableFileIsKeptAside()
    {
        QFETCH(QByteArray, contents);
        writeFile(path(), contents);

        JsonPreferences prefs(path());
        QVERIFY(!prefs.boolean(QStringLiteral("showsFlags")));
        QCOMPARE(readFile(path()), contents); // reading alone leaves it in place

        prefs.setObject(false, QStringLiteral("showsFlags"));
        QVERIFY(prefs.synchronize());

        QVERIFY(!prefs.setAsideFileName().isEmpty());
        QVERIFY(prefs.setAsideFileName().startsWith(path() + QStringLiteral(".unreadable-")));
        QCOMPARE(readFile(prefs.setAsideFileName()), contents);
        const QJsonObject fresh = QJsonDocument::fromJson(readFile(path())).object();
        QCOMPARE(fresh, (QJsonObject{{"showsFlags", false}}));

        // Only the original damage is set aside, once.
        prefs.setObject(true, QStringLiteral("showsFlags"));
        QVERIFY(prefs.synchronize());
        const QStringList aside = QDir(QFileInfo(path()).absolutePath())
                                      .entryList({QStringLiteral("settings.json.unreadable-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
    }

    void emptyFileIsAnEmptyDomain()
    {
        writeFile(path(), "");
        JsonPreferences prefs(path());
        prefs.setObject(QStringLiteral("manual"), QStringLiteral("sortMode"));
        QVERIFY(prefs.synchronize());
        QVERIFY(prefs.setAsideFileName().isEmpty());
    }

    void removeTakesEffectOnDisk()
    {
        {
            JsonPreferences prefs(path());
            prefs.setObject(QStringLiteral("a"), QStringLiteral("one"));
            prefs.setObject(QStringLiteral("b"), QStringLiteral("two"));
            QVERIFY(prefs.synchronize());
            prefs.remove(QStringLiteral("one"));
            QVERIFY(prefs.synchronize());
        }
        QCOMPARE(QJsonDocument::fromJson(readFile(path())).object(), (QJsonObject{{"two", "b"}}));
    }

    void defaultLocationFollowsXdg()
    {
        const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir->path().toUtf8());
        const QString name = JsonPreferences::defaultFileName();
        qputenv("XDG_CONFIG_HOME", previous);
        QCOMPARE(name, m_dir->filePath(QStringLiteral("horavia/settings.json")));
    }

private:
    QString path() const { return m_dir->filePath(QStringLiteral("horavia/settings.json")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestJsonPreferences)
#include "TestJsonPreferences.moc"
