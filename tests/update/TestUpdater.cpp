#include "../support/DataTable.h"
#include "../support/ManualTimer.h"
#include "../support/RawHttpServer.h"
#include "../support/RecordingPreferences.h"
#include "../support/TestHttpServer.h"
#include "../support/TestValues.h"
#include "services/InstallPipeline.h"
#include "services/NetworkDownload.h"
#include "update/Updater.h"

#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTest>

using namespace Qt::StringLiterals;

using Phase = Updater::Phase;
Q_DECLARE_METATYPE(Updater::Phase)
Q_DECLARE_METATYPE(RawHttpServer::Answer)

class TestUpdater : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_store = RecordingPreferences();
        m_server = std::make_unique<TestHttpServer>();
    }

    void checkOutcomes_data()
    {
        addColumns<bool, QVariant, bool, int, QByteArray, Phase, int>(
            {"launchedBefore", "lastSeen", "user", "status", "body", "expected", "requests"});

        const auto row = [](const char* name, bool launchedBefore, const QVariant& lastSeen, bool user, int status,
                            const QByteArray& body, const Phase& expected, int requests) {
            QTest::newRow(name) << launchedBefore << lastSeen << user << status << body << expected << requests;
        };
        const QVariant none;
        row("first launch, automatic: silent", false, none, false, 200, "Notes"_ba, Phase::idle(), 0);
        row("first launch, by the user: fetched", false, none, true, 200, "Notes"_ba, Phase::available("Notes"), 1);
        row("new notes, trimmed", true, QVariant("Old"), false, 200, "\n  New\r\n\t"_ba, Phase::available("New"), 1);
        row("never installed through the updater", true, none, false, 200, "Notes"_ba, Phase::available("Notes"), 1);
        row("same notes, by the user", true, QVariant("Same"), true, 200, " Same \n"_ba, Phase::upToDate(), 1);
        row("canonically equal notes", true, QVariant(u"Caf\u00e9"_s), true, 200, u"Cafe\u0301"_s.toUtf8(),
            Phase::upToDate(), 1);
        row("change inside the text", true, QVariant("a b"), true, 200, "a  b"_ba, Phase::available("a  b"), 1);
        row("404, by the user", true, none, true, 404, QByteArray(), Phase::upToDate(), 1);
        row("blank notes", true, none, true, 200, " \n\t\n"_ba, Phase::upToDate(), 1);
        row("500, by the user", true, none, true, 500, "oops"_ba, Phase::failed("The server returned status 500."), 1);
        const QByteArray page(UpdaterError::notesLimit, 'x');
        row("notes of exactly 1 MiB", true, none, true, 200, page, Phase::available(QString::fromLatin1(page)), 1);
        row("notes over 1 MiB: refused, not held in memory", true, none, true, 200, page + "x",
            Phase::failed("The release notes are larger than 1 MB, so they weren't read."), 1);
        row("invalid UTF-8 replaced", true, none, true, 200, "v2 \xff!"_ba, Phase::available(u"v2 \uFFFD!"_s), 1);
    }

    void checkOutcomes()
    {
        auto [launchedBefore, lastSeen, user, status, body, expected, requests] =
            fetchRow<bool, QVariant, bool, int, QByteArray, Phase, int>(
                {"launchedBefore", "lastSeen", "user", "status", "body", "expected", "requests"});

        if (launchedBefore) m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        if (lastSeen.isValid()) m_store.values.insert(UpdaterKeys::lastSeenNotes, lastSeen.toString());
        m_server->route(u"/updates.txt"_s, status, body);
        const auto updater = make(m_server->url(u"/updates.txt"_s));

        checkAndWait(*updater, user);
        QCOMPARE(updater->phase(), expected);
        QCOMPARE(m_server->requests(u"/updates.txt"_s), requests);
        QCOMPARE(m_store.values.value(UpdaterKeys::hasLaunchedBefore), QVariant(true));
        QCOMPARE(m_store.values.value(UpdaterKeys::lastSeenNotes), lastSeen.isValid() ? lastSeen : QVariant());
    }

    void busyCheckDoesNothing()
    {
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        m_server->route(u"/updates.txt"_s, 200, "Notes");
        const auto updater = make(m_server->url(u"/updates.txt"_s));
        QSignalSpy finished(updater.get(), &Updater::checkFinished);
        updater->check(true);
        QCOMPARE(updater->phase(), Phase::checking());
        updater->check(true);
        updater->check(false);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(m_server->requests(u"/updates.txt"_s), 1);
        QCOMPARE(updater->phase(), Phase::available("Notes"));
    }

    // Failing addresses fail a check the user asked for, with a message, and
    // leave an automatic one quiet.
    void unusableAddresses_data()
    {
        // message, when empty: the system's own
        addColumns<QString, QString>({"address", "message"});
        const QString invalid = u"The update address isn't valid."_s;
        QTest::newRow("plain http to another host") << "http://example.com/updates.txt" << invalid;
        QTest::newRow("file") << "file:///etc/passwd" << invalid;
        QTest::newRow("nothing listens there") << "http://127.0.0.1:1/updates.txt" << QString();
    }

    void unusableAddresses()
    {
        auto [address, message] = fetchRow<QString, QString>({"address", "message"});
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        const auto updater = make(address);
        checkAndWait(*updater, true);
        QCOMPARE(updater->phase().kind, Phase::Kind::failed);
        QVERIFY(message.isEmpty() ? !updater->phase().text.isEmpty() : updater->phase().text == message);
        checkAndWait(*updater, false);
        QCOMPARE(updater->phase(), Phase::idle());
    }

    // Whatever goes wrong on the way fails the request; nothing cut short,
    // undecodable or endless is ever offered as notes.
    void brokenTransfersFail_data()
    {
        addColumns<RawHttpServer::Answer, Phase>({"answer", "expected"});
        const QByteArray ok = "HTTP/1.1 200 OK\r\n";
        const QByteArray gzipHead("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10);
        const Phase cut = Phase::failed("The download was cut short, so it wasn't used.");
        const Phase unexpected = Phase::failed("The server sent something unexpected.");
        QTest::newRow("body cut short") << RawHttpServer::Answer{ok + "Content-Length: 1000\r\n\r\n" +
                                                                 QByteArray(32, 'x')}
                                        << cut;
        // Without a length or chunks only the close ends the body, and a cut
        // connection (or a TLS close without close_notify) closes it too.
        QTest::newRow("no length and no chunks: its end is no proof")
            << RawHttpServer::Answer{ok + "Connection: close\r\n\r\nNotes that may stop anywhere"} << cut;
        QTest::newRow("compressed though not asked") << RawHttpServer::Answer{ok +
                                                                              "Content-Encoding: gzip\r\n"
                                                                              "Content-Length: 14\r\n\r\n" +
                                                                              gzipHead + "oops"}
                                                     << unexpected;
        QTest::newRow("compressed and cut")
            << RawHttpServer::Answer{ok + "Content-Encoding: gzip\r\n\r\n" + gzipHead} << unexpected;
        QTest::newRow("one byte at a time, past the deadline")
            << RawHttpServer::Answer{ok + "Content-Length: 20\r\n\r\n", QByteArray(20, 'x'), 100}
            << Phase::failed("The server took too long, so the download was stopped.");
    }

    void brokenTransfersFail()
    {
        auto [answer, expected] = fetchRow<RawHttpServer::Answer, Phase>({"answer", "expected"});
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        RawHttpServer server;
        server.route("/updates.txt", answer);
        const auto updater = make(server.url(u"/updates.txt"_s));
        checkAndWait(*updater, true);
        QCOMPARE(updater->phase(), expected);
        QVERIFY(server.lastRequest.toLower().contains("accept-encoding: identity\r\n"));

        // Not left busy: the next check runs.
        server.route("/updates.txt", {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nNotes"});
        checkAndWait(*updater, true);
        QCOMPARE(updater->phase(), Phase::available("Notes"));
    }

    // Chunks that never reach their end are never notes, however the
    // connection ends (a hundred tries each, where a race would show);
    // whole ones are.
    void chunkedNotes_data()
    {
        addColumns<QByteArray, Phase>({"body", "expected"});
        const QByteArray notes(300, 'n');
        const Phase cut = Phase::failed("The download was cut short, so it wasn't used.");
        QTest::newRow("cut inside a chunk") << "12c\r\n" + notes.left(150) << cut;
        QTest::newRow("cut before the last, empty chunk") << "12c\r\n" + notes + "\r\n" << cut;
        QTest::newRow("whole") << "12c\r\n" + notes + "\r\n0\r\n\r\n" << Phase::available(QString::fromLatin1(notes));
    }

    void chunkedNotes()
    {
        const auto [body, expected] = fetchRow<QByteArray, Phase>({"body", "expected"});
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        RawHttpServer server;
        server.route("/updates.txt", {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + body});
        const auto updater = make(server.url(u"/updates.txt"_s));
        int asExpected = 0;
        for (int round = 0; round < 100; ++round) {
            checkAndWait(*updater, true);
            asExpected += updater->phase() == expected;
        }
        QCOMPARE(asExpected, 100);
    }

    void checksAutomaticallyPersists()
    {
        m_store.values.insert(UpdaterKeys::checksAutomatically, u"no"_s);
        auto updater = make(QString());
        QVERIFY(updater->checksAutomatically()); // not a boolean: the default
        QSignalSpy changed(updater.get(), &Updater::checksAutomaticallyChanged);
        updater->setChecksAutomatically(true);
        updater->setChecksAutomatically(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_store.values.value(UpdaterKeys::checksAutomatically), QVariant(false));

        updater = make(QString());
        QVERIFY(!updater->checksAutomatically());
    }

    void automaticSchedule()
    {
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        m_server->route(u"/updates.txt"_s, 200, "Notes");
        auto updater = make(m_server->url(u"/updates.txt"_s));
        QCOMPARE(m_timer->requestedDelays, QList<double>{3});

        QSignalSpy finished(updater.get(), &Updater::checkFinished);
        m_timer->fire();
        QVERIFY(finished.wait(10000));
        QCOMPARE(updater->phase(), Phase::available("Notes"));
        QCOMPARE(m_timer->requestedDelays, (QList<double>{3, 21600}));

        // Switched off, the cycles go on but skip the check.
        updater->setChecksAutomatically(false);
        m_timer->fire();
        QCOMPARE(m_server->requests(u"/updates.txt"_s), 1);
        QCOMPARE(m_timer->requestedDelays, (QList<double>{3, 21600, 21600}));
    }

    // A packaged copy, one that belongs to another user, or one built with
    // no address never asks; the last two say why.
    void copiesNotToReplaceNeverAsk_data()
    {
        addColumns<bool, bool, bool, Phase>({"packaged", "owned", "addressed", "expected"});
        QTest::newRow("packaged") << true << true << true << Phase::idle();
        QTest::newRow("another user's copy")
            << false << false << true << Phase::failed("This copy belongs to another user, so it can't update itself.");
        QTest::newRow("no update address")
            << false << true << false
            << Phase::failed("This copy was built without an update address, so it can't update itself.");
    }
    void copiesNotToReplaceNeverAsk()
    {
        auto [packaged, owned, addressed, expected] =
            fetchRow<bool, bool, bool, Phase>({"packaged", "owned", "addressed", "expected"});
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        m_server->route(u"/updates.txt"_s, 200, "Notes");
        const auto updater =
            make(addressed ? m_server->url(u"/updates.txt"_s) : QString(), !packaged, QString(), owned);
        QVERIFY(m_timer->requestedDelays.isEmpty());
        QCOMPARE(updater->unavailableReason(), packaged ? QString() : expected.text);
        updater->check(true);
        updater->check(false);
        QTest::qWait(100);
        QCOMPARE(m_server->requests(u"/updates.txt"_s), 0);
        QCOMPARE(updater->phase(), expected);
    }

    void overTls()
    {
        m_store.values.insert(UpdaterKeys::hasLaunchedBefore, true);
        const QSslCertificate certificate(readFile(u"" HORAVIA_TEST_DATA "/tls-certificate.pem"_s));
        const QSslKey key(readFile(u"" HORAVIA_TEST_DATA "/tls-key.pem"_s), QSsl::Ec);
        m_server = std::make_unique<TestHttpServer>(certificate, key);
        m_server->route(u"/updates.txt"_s, 200, "Secure notes");

        // Not trusted by default: the check fails, as any TLS failure does.
        auto updater = make(m_server->url(u"/updates.txt"_s));
        checkAndWait(*updater, true);
        QCOMPARE(updater->phase().kind, Phase::Kind::failed);

        const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = saved;
        trusting.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        updater = make(m_server->url(u"/updates.txt"_s));
        checkAndWait(*updater, true);
        QSslConfiguration::setDefaultConfiguration(saved);
        QCOMPARE(updater->phase(), Phase::available("Secure notes"));
    }

private:
    std::unique_ptr<Updater> make(const QString& notesAddress, bool selfUpdating = true,
                                  const QString& payloadAddress = QString(), bool owned = true);
    void checkAndWait(Updater& updater, bool userInitiated);

    RecordingPreferences m_store;
    std::unique_ptr<TestHttpServer> m_server;
    ManualTimer* m_timer = nullptr;
};

std::unique_ptr<Updater> TestUpdater::make(const QString& notesAddress, bool selfUpdating,
                                           const QString& payloadAddress, bool owned)
{
    UpdateHost host;
    host.selfUpdating = selfUpdating;
    host.ownedByUser = owned;
    host.notesDeadlineMs = 1000;
    host.bundlePath = [] { return u"/nonexistent/Horavia.app"_s; };
    host.download = NetworkDownload::function();
    host.installPayload = &InstallPipeline::installPayload;
    host.makeTimer = [this] {
        auto timer = std::make_unique<ManualTimer>();
        m_timer = timer.get();
        return timer;
    };
    return std::make_unique<Updater>(m_store, notesAddress,
                                     payloadAddress.isEmpty() ? m_server->url(u"/hrv.zip"_s) : payloadAddress, host);
}

void TestUpdater::checkAndWait(Updater& updater, bool userInitiated)
{
    QSignalSpy finished(&updater, &Updater::checkFinished);
    updater.check(userInitiated);
    QVERIFY(finished.count() == 1 || finished.wait(10000));
}

QTEST_GUILESS_MAIN(TestUpdater)
#include "TestUpdater.moc"
