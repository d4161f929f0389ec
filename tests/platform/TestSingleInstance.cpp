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

// A client that connects and then says nothing, as many at once as asked.
int connectQuietly(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return fd;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    // What a copy that died leaves behind is taken over; the kernel's
    // "nobody listens" is the only proof that a socket is stale.
    void leftoversAreTakenOver_data()
    {
        QTest::addColumn<bool>("socket");
        QTest::newRow("a plain file at the path") << false;
        QTest::newRow("a socket nobody listens on") << true;
    }
    void leftoversAreTakenOver()
    {
        QFETCH(bool, socket);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"horavia.socket"_s);
        if (socket) {
            // Bound and never listened on: what a killed copy leaves.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray encoded = QFile::encodeName(path);
            memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
            QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            ::close(fd);
        } else {
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        }
        SingleInstance first(path);
        QVERIFY(first.claim());
        SingleInstance second(path);
        QVERIFY(!second.claim());
    }

    // Held connections must neither lock out the next launch's handover for
    // good nor make it think the running copy is gone.
    void floodNeitherReplacesNorBlocksTheRunningCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"horavia.socket"_s);
        SingleInstance running(path);
        QVERIFY(running.claim());
        QSignalSpy reopened(&running, &SingleInstance::reopenRequested);
        std::vector<int> flood;
        for (int i = 0; i < 1500; ++i)
            flood.push_back(connectQuietly(path));

        SingleInstance late(path);
        QVERIFY(!late.claim()); // busy, not gone: no second copy
        QVERIFY(QFileInfo(path).exists());

        // The running copy sheds what is over its limit, then times out the rest.
        QTest::qWait(SingleInstance::connectionTimeoutMs + 500);
        QLocalSocket client;
        client.connectToServer(path);
        QVERIFY(client.waitForConnected(1000));
        client.write("re");
        client.flush();
        QTest::qWait(50);
        client.write("open\n");
        QVERIFY(reopened.wait(2000));
        for (int fd : flood)
            ::close(fd);
    }

    // Without a runtime folder, nothing another user (or a loose mode)
    // planted in the temporary folder is used.
    void plantedFoldersAreIgnored()
    {
        QTemporaryDir temp;
        const uint uid = ::getuid();
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        // Qt's own fallback runtime folder is made unusable, as a squatter would.
        const QString user = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name);
        QVERIFY(QFile(temp.filePath(u"runtime-"_s + user)).open(QIODevice::WriteOnly));

        QLocalServer oldFallback;
        QVERIFY(oldFallback.listen(temp.filePath(u"horavia-%1.socket"_s.arg(uid))));
        const QString loose = temp.filePath(u"horavia-%1-loose"_s.arg(uid));
        QVERIFY(QDir().mkpath(loose));
        QFile::setPermissions(loose, QFileDevice::Permissions(0x7755));
        QLocalServer squatter;
        QVERIFY(squatter.listen(loose + u"/horavia.socket"_s));

        SingleInstance first;
        QVERIFY(first.claim());
        QVERIFY(first.socketPath().startsWith(temp.path() + u"/horavia-%1-"_s.arg(uid)));
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(QFileInfo(first.socketPath()).path()).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), 0700);

        QSignalSpy reopened(&first, &SingleInstance::reopenRequested);
        SingleInstance second;
        QVERIFY(!second.claim());
        QVERIFY(reopened.wait(2000));
        qunsetenv("TMPDIR");
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
