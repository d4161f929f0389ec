#include "../support/DataTable.h"
#include "platform/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A client at `path` that never says a word, or (not connecting) a socket
// bound there and never listened on, as a killed copy leaves it.
int socketAt(const QString& path, bool connectTo)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    const auto* raw = reinterpret_cast<const sockaddr*>(&address);
    connectTo ? ::connect(fd, raw, sizeof address) : ::bind(fd, raw, sizeof address);
    return fd;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(u"horavia.socket"_s);
    }

    // What a copy that died leaves is taken over; only the kernel's "nobody
    // listens" proves a socket stale.
    void leftoversAreTakenOver_data()
    {
        QTest::addColumn<bool>("socket");
        QTest::newRow("a plain file at the path") << false;
        QTest::newRow("a socket nobody listens on") << true;
    }
    void leftoversAreTakenOver()
    {
        QFETCH(bool, socket);
        if (socket)
            ::close(socketAt(m_path, false));
        else
            QVERIFY(QFile(m_path).open(QIODevice::WriteOnly));
        SingleInstance first(m_path);
        QVERIFY(first.claim());
        QVERIFY(!SingleInstance(m_path).claim());
    }

    // Held connections neither make the next launch think the running copy
    // is gone nor lock out the handover for good; a line may come in pieces.
    void floodNeitherReplacesNorBlocksTheRunningCopy()
    {
        SingleInstance running(m_path);
        QVERIFY(running.claim());
        QSignalSpy reopened(&running, &SingleInstance::reopenRequested);
        std::vector<int> flood;
        for (int i = 0; i < 1500; ++i)
            flood.push_back(socketAt(m_path, true));
        QVERIFY(!SingleInstance(m_path).claim()); // busy, not gone
        QVERIFY(QFileInfo::exists(m_path));

        QTest::qWait(SingleInstance::connectionTimeoutMs + 500);
        QLocalSocket client;
        client.connectToServer(m_path);
        QVERIFY(client.waitForConnected(1000));
        client.write("re");
        client.flush();
        QTest::qWait(50);
        client.write("open\n");
        QVERIFY(reopened.wait(2000));
        for (int fd : flood)
            ::close(fd);
    }

    // What a later launch asks, as it arrives: a token that is no printable
    // word is dropped, not the request; a line of another form does nothing.
    void requests_data()
    {
        // heard, for each line on a connection of its own: "reopen", "toggle:TOKEN",
        // "open:ADDRESS:TOKEN", or empty for nothing
        addColumns<QByteArrayList, QString>({"lines", "heard"});
        QTest::newRow("reopen") << QByteArrayList{"reopen\n"} << u"reopen"_s;
        QTest::newRow("toggle, or with a token that is no word")
            << QByteArrayList{"toggle\n", "toggle a b\n", "toggle " + QByteArray(230, 'x') + "\n"} << u"toggle:"_s;
        QTest::newRow("toggle with a token") << QByteArrayList{"toggle kwin-42_x:1\n"} << u"toggle:kwin-42_x:1"_s;
        QTest::newRow("an address") << QByteArrayList{"open horavia:?at=2026-12-10T14:00:00Z\n"}
                                    << u"open:horavia:?at=2026-12-10T14:00:00Z:"_s;
        QTest::newRow("an address and a token")
            << QByteArrayList{"open horavia:?at=x tok-1\n"} << u"open:horavia:?at=x:tok-1"_s;
        QTest::newRow("lines of another form")
            << QByteArrayList{"toggle " + QByteArray(600, 'x') + "\n", "open a b c\n", "open horavia:\xc3\xb6\n",
                              "open " + QByteArray(301, 'x') + "\n",   "toggleX\n",    "quit\n"}
            << QString();
    }

    void requests()
    {
        const auto [lines, heard] = fetchRow<QByteArrayList, QString>({"lines", "heard"});
        SingleInstance running(m_path);
        QVERIFY(running.claim());
        QStringList requests;
        connect(&running, &SingleInstance::reopenRequested, this, [&] { requests.append(u"reopen"_s); });
        connect(&running, &SingleInstance::toggleRequested, this,
                [&](const QString& token) { requests.append(u"toggle:"_s + token); });
        connect(&running, &SingleInstance::openRequested, this, [&](const QString& address, const QString& token) {
            requests.append(u"open:"_s + address + u':' + token);
        });
        for (const QByteArray& line : lines) {
            requests.clear();
            QLocalSocket client;
            client.connectToServer(m_path);
            QVERIFY(client.waitForConnected(1000));
            client.write(line);
            client.flush();
            const QStringList expected = heard.isEmpty() ? QStringList() : QStringList{heard};
            QTRY_COMPARE_WITH_TIMEOUT(requests, expected, 2000);
            QTest::qWait(200); // and nothing more
            QVERIFY2(requests == expected, line.constData());
        }
    }

    // A second launch hands its request over with the launch's token: with
    // --toggle (with no copy running, the end-to-end toggle run starts one),
    // or given an address, as one printable word cut to a length no address
    // of ours reaches, found among the arguments.
    void aLaunchHandsOverItsRequest()
    {
        SingleInstance running(m_path);
        QVERIFY(running.claim());
        QSignalSpy toggled(&running, &SingleInstance::toggleRequested);
        QVERIFY(!SingleInstance(m_path).claim(SingleInstance::Request::toggle, u"token-1"_s));
        QVERIFY(toggled.wait(2000));
        QCOMPARE(toggled.first().first().toString(), u"token-1"_s);

        QSignalSpy opened(&running, &SingleInstance::openRequested);
        const QStringList arguments{u"horavia"_s, u"--at-login"_s, u"HORAVIA:?at=a b\u00e9\n"_s};
        QCOMPARE(SingleInstance::addressIn(arguments), arguments.last());
        QVERIFY(SingleInstance::addressIn({u"horavia"_s, u"horavia-extra"_s}).isEmpty());
        QVERIFY(!SingleInstance(m_path).claim(SingleInstance::Request::open, u"token-2"_s, arguments.last()));
        QVERIFY(opened.wait(2000));
        QCOMPARE(opened.first().at(0).toString(), u"HORAVIA:?at=a%20b%C3%A9%0A"_s);
        QCOMPARE(opened.first().at(1).toString(), u"token-2"_s);
        QVERIFY(SingleInstance(m_path).ask(SingleInstance::Request::open, {}, u"horavia:?at="_s + QString(5000, u'x')));
        QVERIFY(opened.wait(2000));
        QCOMPARE(opened.last().at(0).toString().size(), 300);
    }

    // Without a runtime folder, nothing planted in the temporary folder by
    // another user (or left open to others) is used.
    void plantedFoldersAreIgnored()
    {
        QTemporaryDir temp;
        const uint uid = ::getuid();
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        // Qt's own fallback runtime folder made unusable, as a squatter would.
        QVERIFY(QFile(temp.filePath(u"runtime-"_s + QString::fromLocal8Bit(::getpwuid(uid)->pw_name)))
                    .open(QIODevice::WriteOnly));
        QLocalServer oldFallback, squatter;
        QVERIFY(oldFallback.listen(temp.filePath(u"horavia-%1.socket"_s.arg(uid))));
        const QString loose = temp.filePath(u"horavia-%1-loose"_s.arg(uid));
        QVERIFY(QDir().mkpath(loose) && QFile::setPermissions(loose, QFileDevice::Permissions(0x7755)));
        QVERIFY(squatter.listen(loose + u"/horavia.socket"_s));

        SingleInstance first;
        QVERIFY(first.claim());
        QVERIFY(first.socketPath().startsWith(temp.path() + u"/horavia-%1-"_s.arg(uid)));
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(QFileInfo(first.socketPath()).path()).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), 0700);
        QSignalSpy reopened(&first, &SingleInstance::reopenRequested);
        QVERIFY(!SingleInstance().claim());
        QVERIFY(reopened.wait(2000));
        qunsetenv("TMPDIR");
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path; // the socket's, in a folder of each test's own
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
