#include "../support/Bundles.h"
#include "../support/DataTable.h"
#include "../support/ManualTimer.h"
#include "../support/RecordingPreferences.h"
#include "../support/TestHttpServer.h"
#include "platform/Relauncher.h"
#include "services/InstallPipeline.h"
#include "services/NetworkDownload.h"
#include "services/ZipExtractor.h"
#include "update/BundleInfo.h"
#include "update/Updater.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <unistd.h>

using namespace Qt::StringLiterals;

using Phase = Updater::Phase;
using PayloadMaker = std::function<QByteArray(const QString& scratch)>;
using Change = std::function<void(const QString& bundle)>;
Q_DECLARE_METATYPE(PayloadMaker)

namespace {

const QString notes = u"# Horavia 2.0\n- Faster"_s;

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_key = *CodeSignature::generatePrivateKey();
        m_otherKey = *CodeSignature::generatePrivateKey();
        QVERIFY(CodeSignature::teamIdentifierForKey(m_key) != CodeSignature::teamIdentifierForKey(m_otherKey));
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        // A quote in the path must survive the shell.
        m_bundle = m_root->filePath(u"It's here/Horavia.app"_s);
        makeBundle(m_bundle, u"org.horavia.Horavia"_s, "1.0");
        signBundle(m_bundle, m_key);
        m_server = std::make_unique<TestHttpServer>();
        m_server->route(u"/updates.txt"_s, 200, notes.toUtf8());
        m_store = RecordingPreferences();
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        m_terminations = 0;
        m_launched.clear();

        UpdateHost host;
        host.download = NetworkDownload::function();
        host.installPayload = &InstallPipeline::installPayload;
        host.bundlePath = [this] { return m_bundle; };
        host.processId = [] { return qint64(4242); };
        host.terminate = [this] { ++m_terminations; };
        host.startDetached = [this](const QString& program, const QStringList& arguments) {
            m_launched = QStringList{program} + arguments;
            return true;
        };
        host.makeTimer = [] { return std::make_unique<ManualTimer>(); };
        m_updater =
            std::make_unique<Updater>(m_store, m_server->url(u"/updates.txt"_s), m_server->url(u"/hrv.zip"_s), host);
    }

    void installsAndRelaunches()
    {
        // The old copy goes whole, whatever its names (install() checks the work folder is gone).
        ::close(::creat((QFile::encodeName(m_bundle) + "/Contents/\xff\xfe").constData(), 0644));
        QTemporaryDir scratch;
        install(signedPayload(scratch.path(), QString(), m_key));
        QCOMPARE(m_updater->phase(), Phase::installing());
        QCOMPARE(m_terminations, 1);

        QCOMPARE(BundleInfo::read(m_bundle)->shortVersion, u"2.0"_s);
        QCOMPARE(readFile(m_bundle + u"/Contents/Horavia"_s), "#!/bin/sh\necho new\n"_ba);
        QVERIFY(CodeSignature::verify(m_bundle));
        QCOMPARE(m_store.values.value(UpdaterKeys::lastSeenNotes).toString(), notes);
        QCOMPARE(m_store.writes.last(), UpdaterKeys::lastSeenNotes);
        QVERIFY(m_store.synchronizations >= 1);

        const QString executable = m_bundle + u"/Contents/Horavia"_s;
        // Run for real, with this quote in its path, by the end-to-end update test.
        QCOMPARE(m_launched, (QStringList{"/bin/sh", "-c", Relauncher::reopenCommand(4242, executable)}));
    }

    // Each way a download is refused, once on the way through the install
    // (which signer, and which change to a signed bundle, are the team
    // check's and the signature's own tables).
    void failures_data()
    {
        // message: a trailing "*" matches any rest
        addColumns<int, PayloadMaker, QString>({"status", "payload", "message"});

        const QString ourId = u"org.horavia.Horavia"_s;
        // A new version signed with `key`, packed under `prefix`, changed after signing by `change`.
        const auto release = [this](const QByteArray& key, const QString& prefix, const QString& identifier,
                                    const Change& change = {}, const QByteArray& version = "2.0") {
            return PayloadMaker(
                [=, this](const QString& s) { return signedPayload(s, prefix, key, identifier, change, version); });
        };
        const auto altered = [&](const Change& change) { return release(m_key, {}, ourId, change); };
        const auto hostile = [](std::function<void(ZipWriter&)> add) {
            return PayloadMaker([add](const QString&) {
                ZipWriter zip;
                add(zip);
                return zip.finish();
            });
        };
        const QString notOurs = u"The download isn't a signed copy of this app, so it wasn't installed."_s;
        const QString badSignature = u"The download isn't properly signed, so it wasn't installed."_s;
        const QString noApp = u"The download didn't contain Horavia."_s;

        QTest::newRow("payload 404") << 404 << release(m_key, {}, ourId) << "The server returned status 404.";
        QTest::newRow("empty payload") << 200 << PayloadMaker([](const QString&) { return QByteArray(); })
                                       << "The downloaded update was empty.";
        QTest::newRow("no bundle") << 200 << hostile([](ZipWriter& z) { z.addFile("README.txt", "hello"); }) << noApp;
        QTest::newRow("three folders deep") << 200 << release(m_key, u"a/b/c/"_s, ourId) << noApp;
        QTest::newRow("another identifier") << 200 << release(m_key, {}, u"org.example.Other"_s) << notOurs;
        QTest::newRow("unsigned") << 200 << altered([](const QString& b) {
            QDir(b + u"/Contents/_CodeSignature"_s).removeRecursively();
        }) << badSignature;
        QTest::newRow("one byte tampered")
            << 200 << altered([](const QString& b) { writeFile(b + u"/Contents/Resources/cities.json"_s, "[}"); })
            << badSignature;
        QTest::newRow("dot-dot entry") << 200 << hostile([](ZipWriter& z) { z.addFile("Horavia.app/../../evil", "x"); })
                                       << "Unpacking failed: Path contains '..': Horavia.app/../../evil";
        QTest::newRow("absolute path") << 200 << hostile([](ZipWriter& z) { z.addFile("/tmp/horavia-evil", "x"); })
                                       << "Unpacking failed: Path is absolute: /tmp/horavia-evil";
        QTest::newRow("symbolic link") << 200 << hostile([](ZipWriter& z) { z.addSymlink("Horavia.app", "/usr/bin"); })
                                       << "Unpacking failed: Symbolic links are not allowed: Horavia.app";
        const QString notNewer = u"The download isn't newer than this copy, so it wasn't installed."_s;
        QTest::newRow("an older genuine release") << 200 << release(m_key, {}, ourId, {}, "0.9") << notNewer;
        QTest::newRow("ten thousand and one entries") << 200 << hostile([](ZipWriter& z) {
            for (int i = 0; i <= ZipExtractor::entryLimit; ++i)
                z.addDirectory(QString::number(i));
        }) << "Unpacking failed: The archive holds more than 10000 entries.";
        QTest::newRow("not an archive") << 200 << PayloadMaker([](const QString&) { return QByteArray(5000, 'z'); })
                                        << "Unpacking failed: *";
    }

    void failures()
    {
        auto [status, payload, message] = fetchRow<int, PayloadMaker, QString>({"status", "payload", "message"});
        QTemporaryDir scratch;
        install(payload(scratch.path()), status);

        QCOMPARE(m_updater->phase().kind, Phase::Kind::failed);
        if (message.endsWith(QLatin1Char('*')))
            QVERIFY2(m_updater->phase().text.startsWith(message.chopped(1)) &&
                         m_updater->phase().text.size() > message.size(),
                     qPrintable(m_updater->phase().text));
        else
            QCOMPARE(m_updater->phase().text, message);
        verifyRunningBundleUntouched();
        QVERIFY(!QFileInfo::exists(u"/tmp/horavia-evil"_s));
        QVERIFY(!QFileInfo::exists(m_root->filePath(u"evil"_s)));
    }

    // A read-only folder in a payload must not keep the work folder alive.
    // Root may empty any folder, so as root this runs again as "nobody".
    void readOnlyFoldersAreRemovedToo()
    {
        if (rerunAsNobody("readOnlyFoldersAreRemovedToo")) return;
        QTemporaryDir scratch;
        const QString staged = scratch.filePath(u"stage/Horavia.app"_s);
        makeBundle(staged, u"org.horavia.Horavia"_s, "2.0");
        ZipWriter zip;
        zip.addTree(staged, u"Horavia.app"_s);
        zip.addDirectory(u"Horavia.app/Contents/Locked"_s, 0555);
        zip.addFile(u"Horavia.app/Contents/Locked/inside.txt"_s, "x");
        install(zip.finish()); // unsigned: refused, and the work folder must go
        QCOMPARE(m_updater->phase().kind, Phase::Kind::failed);
        QVERIFY(workFolders().isEmpty());
    }

    void findAppPrefersTheTopLevel()
    {
        QTemporaryDir dir;
        makeBundle(dir.filePath(u"a/Deep.app"_s));
        makeBundle(dir.filePath(u"z/Top.app"_s));
        QCOMPARE(InstallPipeline::findApp(dir.path()), dir.filePath(u"a/Deep.app"_s));
        makeBundle(dir.filePath(u"Top.app"_s));
        QCOMPARE(InstallPipeline::findApp(dir.path()), dir.filePath(u"Top.app"_s)); // deeper: the failures' table
    }

    // Which signer a release may come from.
    void teamCheck_data()
    {
        // running: unsigned, signed, strayFile, forged
        // pinned: "", "ours", "theirs"
        addColumns<QString, bool, QString, bool>({"running", "candidateOurs", "pinned", "accepted"});
        QTest::newRow("own build, any signer") << "unsigned" << false << "" << true;
        QTest::newRow("signed copy, same signer") << "signed" << true << "" << true;
        QTest::newRow("signed copy, another signer") << "signed" << false << "" << false;
        QTest::newRow("a stray file does not open the door") << "strayFile" << false << "" << false;
        QTest::newRow("a stray file, same signer") << "strayFile" << true << "" << true;
        QTest::newRow("a forged signature accepts nobody") << "forged" << true << "" << false;
        QTest::newRow("pinned: another signer refused even by an own build") << "unsigned" << false << "ours" << false;
        QTest::newRow("a signature folder that cannot be read still names its signer")
            << "unreadable" << false << "" << false;
        QTest::newRow("pinned: ours accepted") << "strayFile" << true << "ours" << true;
        QTest::newRow("pinned elsewhere: the running copy's signer refused") << "signed" << true << "theirs" << false;
    }

    void teamCheck()
    {
        if (rerunAsNobody("teamCheck")) return; // modes bind only those who are not root
        auto [running, candidateOurs, pinned, accepted] =
            fetchRow<QString, bool, QString, bool>({"running", "candidateOurs", "pinned", "accepted"});
        QTemporaryDir dir;
        const QString runningPath = dir.filePath(u"running/Horavia.app"_s);
        const QString candidate = dir.filePath(u"candidate/Horavia.app"_s);
        makeBundle(runningPath);
        makeBundle(candidate, u"org.horavia.Horavia"_s, "2.0");
        signBundle(candidate, candidateOurs ? m_key : m_otherKey);
        if (running != "unsigned") signBundle(runningPath, m_key);
        if (running == "strayFile") writeFile(runningPath + u"/Contents/.directory"_s, "[Desktop Entry]");
        if (running == "forged") writeFile(runningPath + u"/Contents/_CodeSignature/CodeSignature"_s, "forged");
        if (running == "unreadable") QFile::setPermissions(runningPath + u"/Contents/_CodeSignature"_s, {});
        const QString team = pinned == "ours"     ? *CodeSignature::teamIdentifierForKey(m_key)
                             : pinned == "theirs" ? u"0123456789abcdef0123456789abcdef"_s
                                                  : QString();
        const auto failure = InstallPipeline::verifyIdentity(candidate, runningPath, team);
        QCOMPARE(failure,
                 accepted ? std::nullopt : std::optional(UpdaterError::of(UpdaterError::Kind::identityMismatch)));
    }

    void expansionLimit()
    {
        QTemporaryDir dir;
        ZipWriter zip;
        zip.addFile(u"big.bin"_s, QByteArray(64 * 1024, 'a'));
        writeFile(dir.filePath(u"big.zip"_s), zip.finish());
        const auto failure = ZipExtractor::extract(dir.filePath(u"big.zip"_s), dir.path(), 1 << 20 >> 5);
        QVERIFY(failure);
        QVERIFY2(failure->contains(u"expands to more than"_s), qPrintable(*failure));
        QCOMPARE(ZipExtractor::extract(dir.filePath(u"big.zip"_s), dir.path()), std::nullopt);
    }

private:
    // As root, runs the test function again as "nobody" and says so: root
    // reads and empties any folder, whatever its mode.
    static bool rerunAsNobody(const char* function)
    {
        if (::geteuid() != 0) return false;
        QString test = QString::fromLatin1(function);
        if (const char* tag = QTest::currentDataTag()) test += u':' + QString::fromUtf8(tag);
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(u"setpriv"_s, {u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, u"--"_s,
                                   QCoreApplication::applicationFilePath(), test});
        [&] {
            QVERIFY(child.waitForFinished(60000));
            QVERIFY2(child.exitCode() == 0, child.readAll().constData());
        }();
        return true;
    }

    // A zip holding a new version of the bundle under `prefix`, signed with `key`, then changed.
    QByteArray signedPayload(const QString& scratch, const QString& prefix, const QByteArray& key,
                             const QString& identifier = u"org.horavia.Horavia"_s, const Change& change = {},
                             const QByteArray& version = "2.0");
    void install(const QByteArray& payload, int status = 200);
    void verifyRunningBundleUntouched();
    QStringList workFolders() const;

    QByteArray m_key;
    QByteArray m_otherKey;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_bundle;
    std::unique_ptr<TestHttpServer> m_server;
    RecordingPreferences m_store;
    std::unique_ptr<Updater> m_updater;
    int m_terminations = 0;
    QStringList m_launched;
};

QByteArray TestInstall::signedPayload(const QString& scratch, const QString& prefix, const QByteArray& key,
                                      const QString& identifier, const Change& change, const QByteArray& version)
{
    const QString staged = scratch + u"/stage/Horavia.app"_s;
    makeBundle(staged, identifier, version, "#!/bin/sh\necho new\n");
    signBundle(staged, key);
    if (change) change(staged);
    ZipWriter zip;
    zip.addTree(staged, prefix + u"Horavia.app"_s);
    return zip.finish();
}

void TestInstall::install(const QByteArray& payload, int status)
{
    m_server->route(u"/hrv.zip"_s, status, payload);
    QSignalSpy finished(m_updater.get(), &Updater::checkFinished);
    m_updater->check(true);
    QVERIFY(finished.wait(10000));
    QCOMPARE(m_updater->phase(), Phase::available(notes));

    QList<Phase::Kind> seen;
    const QObject scope; // the connection ends with this call
    connect(m_updater.get(), &Updater::phaseChanged, &scope, [&] { seen.append(m_updater->phase().kind); });
    m_updater->install();
    QTRY_VERIFY_WITH_TIMEOUT(m_terminations > 0 || m_updater->phase().kind == Phase::Kind::failed ||
                                 m_updater->phase().kind == Phase::Kind::upToDate,
                             20000);
    QCOMPARE(seen.first(), Phase::Kind::downloading);
    QVERIFY(workFolders().isEmpty());
}

void TestInstall::verifyRunningBundleUntouched()
{
    QCOMPARE(BundleInfo::read(m_bundle)->shortVersion, u"1.0"_s);
    QCOMPARE(CodeSignature::verify(m_bundle), CodeSignature::teamIdentifierForKey(m_key));
    QCOMPARE(m_terminations, 0);
    QVERIFY(m_launched.isEmpty());
    QVERIFY(!m_store.values.contains(UpdaterKeys::lastSeenNotes));
}

QStringList TestInstall::workFolders() const
{
    return QDir(QFileInfo(m_bundle).absolutePath())
        .entryList({u".horavia-update-*"_s}, QDir::AllEntries | QDir::Hidden);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "TestInstall.moc"
