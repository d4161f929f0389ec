#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "settings/JsonPreferences.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestJsonPreferences : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void typesSurviveARestart()
    {
        {
            JsonPreferences prefs(path());
            QVERIFY(!prefs.string(u"text"_s));
            QVERIFY(!QFileInfo::exists(path())); // reading never creates the file
            prefs.setObject(true, u"flag"_s);
            prefs.setObject(u"twelveHour"_s, u"text"_s);
            prefs.setObject(QStringList{"gn1", "tz:America/Nuuk"}, u"list"_s);
            prefs.setObject(QVariantMap{{"tz:Asia/Tokyo", "🗼"}, {"gn2/x", "Home"}}, u"map"_s);
            prefs.setObject(QStringList{}, u"emptyList"_s);
            prefs.setObject(u"gone"_s, u"removed"_s);
            QVERIFY(prefs.synchronize());
            prefs.remove(u"removed"_s);
            QVERIFY(prefs.synchronize());
        }
        const QJsonObject onDisk = QJsonDocument::fromJson(readFile(path())).object();
        QCOMPARE(onDisk.value(u"flag"_s), QJsonValue(true));
        QVERIFY(onDisk.value(u"list"_s).isArray());
        QVERIFY(!onDisk.contains(u"removed"_s));

        JsonPreferences prefs(path());
        QCOMPARE(prefs.boolean(u"flag"_s), std::optional(true));
        QCOMPARE(prefs.string(u"text"_s), std::optional(u"twelveHour"_s));
        QCOMPARE(prefs.stringArray(u"list"_s), std::optional(QStringList{"gn1", "tz:America/Nuuk"}));
        QCOMPARE(prefs.stringArray(u"emptyList"_s), std::optional(QStringList{}));
        const QVariantMap map = prefs.dictionary(u"map"_s).value_or(QVariantMap());
        QCOMPARE(map.value(u"tz:Asia/Tokyo"_s).toString(), u"🗼"_s);
        QCOMPARE(map.value(u"gn2/x"_s).toString(), u"Home"_s);
    }

    // A file that is no JSON object is set aside before the first write, once;
    // an empty one is simply empty.
    void unreadableFileIsKeptAside_data()
    {
        addColumns<QByteArray, bool>({"contents", "setAside"});
        QTest::newRow("truncated") << R"({"showsFlags": fal)"_ba << true;
        QTest::newRow("binary") << QByteArray("\x00\x01\x02garbage", 10) << true;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void unreadableFileIsKeptAside()
    {
        auto [contents, setAside] = fetchRow<QByteArray, bool>({"contents", "setAside"});
        writeFile(path(), contents);

        JsonPreferences prefs(path());
        QVERIFY(!prefs.boolean(u"showsFlags"_s));
        QCOMPARE(readFile(path()), contents); // reading alone leaves it in place

        prefs.setObject(false, u"showsFlags"_s);
        QVERIFY(prefs.synchronize());
        const QJsonObject fresh = QJsonDocument::fromJson(readFile(path())).object();
        QCOMPARE(fresh, (QJsonObject{{"showsFlags", false}}));
        QCOMPARE(prefs.setAsideFileName().isEmpty(), !setAside);
        if (!setAside) return;
        QVERIFY(prefs.setAsideFileName().startsWith(path() + u".unreadable-"_s));
        QCOMPARE(readFile(prefs.setAsideFileName()), contents);

        // Only the original damage is set aside, once.
        prefs.setObject(true, u"showsFlags"_s);
        QVERIFY(prefs.synchronize());
        const QStringList aside =
            QDir(QFileInfo(path()).absolutePath()).entryList({u"settings.json.unreadable-*"_s}, QDir::Files);
        QCOMPARE(aside.size(), 1);
    }

    // A writer killed mid-write leaves its lock or temporary; the next start
    // must neither wait on them nor keep them, and must keep the user's file.
    void leftoversOfAKilledWriterGo()
    {
        writeFile(path(), R"({"kept":true})");
        for (const char* suffix : {".lock", ".saving", ".backup", ".unreadable-20260101T000000Z"})
            writeFile(path() + QLatin1String(suffix), "");
        JsonPreferences prefs(path());
        QVERIFY(prefs.synchronize());
        QCOMPARE(QDir(QFileInfo(path()).path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"settings.json", "settings.json.backup", "settings.json.unreadable-20260101T000000Z"}));
        QCOMPARE(prefs.boolean(u"kept"_s), std::optional(true));
    }

    // A settings file linked into a folder of dotfiles stays a link.
    void aLinkedFileIsWrittenWhereItPoints()
    {
        const QString real = m_dir->filePath(u"dotfiles/horavia.json"_s);
        writeFile(real, R"({"kept":true})");
        QDir().mkpath(QFileInfo(path()).path());
        QVERIFY(QFile::link(real, path()));
        JsonPreferences prefs(path());
        prefs.setObject(true, u"added"_s);
        QVERIFY(prefs.synchronize());
        QVERIFY(QFileInfo(path()).isSymLink());
        QCOMPARE(QJsonDocument::fromJson(readFile(real)).object(), (QJsonObject{{"kept", true}, {"added", true}}));
    }

    // Two writers of one file: neither loses the other's keys.
    void keysWrittenMeanwhileAreKept()
    {
        JsonPreferences first(path());
        JsonPreferences second(path());
        first.setObject(true, u"first"_s);
        QVERIFY(first.synchronize());
        second.setObject(true, u"second"_s);
        QVERIFY(second.synchronize());
        const QJsonObject onDisk = QJsonDocument::fromJson(readFile(path())).object();
        QCOMPARE(onDisk, (QJsonObject{{"first", true}, {"second", true}}));
    }

    // A value set and never flushed by its caller still reaches the disk:
    // soon, with later changes joining the same write, and at the end.
    void changesAreWrittenByThemselves()
    {
        {
            JsonPreferences prefs(path());
            prefs.writeChangesAfter(std::chrono::milliseconds(20));
            prefs.setObject(true, u"hasLaunchedBeforeForUpdates"_s);
            prefs.setObject(u"twelveHour"_s, u"timeFormat"_s);
            QVERIFY(prefs.hasPendingChanges());
            QTRY_VERIFY(!prefs.hasPendingChanges());
            QCOMPARE(QJsonDocument::fromJson(readFile(path())).object(),
                     (QJsonObject{{"hasLaunchedBeforeForUpdates", true}, {"timeFormat", "twelveHour"}}));
            prefs.writeChangesAfter(std::chrono::hours(1));
            prefs.remove(u"timeFormat"_s);
        } // pending at the end: written then
        QCOMPARE(QJsonDocument::fromJson(readFile(path())).object(),
                 (QJsonObject{{"hasLaunchedBeforeForUpdates", true}}));
    }

    // What another local user (or a stray process) may leave at the names
    // the store reads and writes: nothing is written through a link, nothing
    // waits on a FIFO, and the folder ends up the user's alone.
    void hostileNames_data()
    {
        addColumns<QString, bool>({"planted", "written"});
        QTest::newRow("a folder open to all") << "open folder" << true;
        QTest::newRow("a FIFO at the temporary's name") << "fifo temporary" << true;
        QTest::newRow("a link at the temporary's name") << "link temporary" << true;
        QTest::newRow("a FIFO at the file's name") << "fifo file" << true;
        QTest::newRow("made under umask 000") << "open umask" << true;
        QTest::newRow("a folder of another user") << "foreign folder" << false;
    }
    void hostileNames()
    {
        auto [planted, written] = fetchRow<QString, bool>({"planted", "written"});
        const QString folder = QFileInfo(path()).path();
        const QByteArray temporary = QFile::encodeName(path()) + ".saving";
        const QString profile = m_dir->filePath(u".profile"_s);
        writeFile(profile, "export PATH\n");
        if (planted != u"open umask"_s) QVERIFY(QDir().mkpath(folder));
        if (planted == u"open folder"_s) QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
        if (planted == u"fifo temporary"_s) QCOMPARE(::mkfifo(temporary.constData(), 0666), 0);
        if (planted == u"link temporary"_s)
            QCOMPARE(::symlink(QFile::encodeName(profile).constData(), temporary.constData()), 0);
        if (planted == u"fifo file"_s) QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0666), 0);
        if (planted == u"foreign folder"_s) {
            if (::geteuid() != 0) QSKIP("only root can give a folder to another user");
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        }
        const mode_t umask = ::umask(planted == u"open umask"_s ? 0 : 022);
        QCOMPARE(JsonPreferences::snapshot(path())->object(u"x"_s), QVariant()); // reads, never waits
        JsonPreferences prefs(path());
        prefs.setObject(true, u"kept"_s);
        const bool synchronized = prefs.synchronize();
        ::umask(umask);
        QCOMPARE(synchronized, written);
        QCOMPARE(prefs.boolean(u"kept"_s), std::optional(true)); // a failed write keeps the value in memory
        QCOMPARE(readFile(profile), "export PATH\n"_ba);
        if (!written) return;
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::WriteGroup | QFile::WriteOther), QFileDevice::Permissions());
        if (planted == u"open umask"_s) QCOMPARE(QFileInfo(path()).permissions() & 0x77, QFileDevice::Permissions());
        QVERIFY(QFileInfo(path()).isFile());
        QCOMPARE(QJsonDocument::fromJson(readFile(path())).object(), (QJsonObject{{"kept", true}}));
        QVERIFY(!QFileInfo::exists(QFile::decodeName(temporary)));
    }

private:
    QString path() const { return m_dir->filePath(u"horavia/settings.json"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestJsonPreferences)
#include "TestJsonPreferences.moc"
