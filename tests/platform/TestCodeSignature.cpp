#include "../support/Bundles.h"
#include "platform/CodeSignature.h"
#include "platform/ZipExtractor.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestCodeSignature : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_key = *CodeSignature::generatePrivateKey(); }

    void relativePathsSignTheSame()
    {
        QTemporaryDir dir;
        makeBundle(dir.filePath(u"Horavia.app"_s));
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const auto error = CodeSignature::sign(u"Horavia.app"_s, m_key);
        const auto team = CodeSignature::verify(u"Horavia.app"_s);
        QDir::setCurrent(saved);
        QCOMPARE(error, std::nullopt);
        QCOMPARE(team, CodeSignature::teamIdentifierForKey(m_key));
        QCOMPARE(CodeSignature::verify(dir.filePath(u"Horavia.app"_s)), team);
    }

    void symbolicLinks()
    {
        QTemporaryDir dir;
        const QString bundle = dir.filePath(u"Horavia.app"_s);
        makeBundle(bundle);
        QVERIFY(QFile::link(u"Horavia"_s, bundle + u"/Contents/Alias"_s));
        signBundle(bundle, m_key);
        QVERIFY(CodeSignature::verify(bundle)); // a link inside the bundle is fine

        QVERIFY(QFile::link(u"/etc/passwd"_s, bundle + u"/Contents/Outside"_s));
        QVERIFY(!CodeSignature::verify(bundle));
        QVERIFY(CodeSignature::sign(bundle, m_key)); // and cannot be signed
    }

    void forgedManifestIsRejected()
    {
        QTemporaryDir dir;
        const QString bundle = dir.filePath(u"Horavia.app"_s);
        makeBundle(bundle);
        signBundle(bundle, m_key);
        // Claiming another team without its key breaks the signature.
        const QString manifest = bundle + u"/Contents/_CodeSignature/CodeResources"_s;
        QByteArray bytes = readFile(manifest);
        bytes.replace(CodeSignature::teamIdentifierForKey(m_key)->toLatin1(), QByteArray(32, 'a'));
        writeFile(manifest, bytes);
        QVERIFY(!CodeSignature::verify(bundle));
    }

    void wrongKeyKind()
    {
        QTemporaryDir dir;
        makeBundle(dir.filePath(u"Horavia.app"_s));
        QVERIFY(CodeSignature::sign(dir.filePath(u"Horavia.app"_s), "not a key"));
        QCOMPARE(CodeSignature::teamIdentifierForKey("not a key"), std::nullopt);
    }

    void modesAreSigned_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("path"); // inside the bundle
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("valid");
        QTest::newRow("untouched") << 2 << "Contents" << 0755 << true;
        QTest::newRow("a group-writable file") << 2 << "Contents/Horavia" << 0775 << false;
        QTest::newRow("a world-writable folder") << 2 << "Contents" << 0777 << false;
        QTest::newRow("the bundle writable by its group") << 2 << "." << 0775 << false;
        QTest::newRow("a folder's mode is signed") << 2 << "Contents/Resources" << 0700 << false;
        QTest::newRow("format 1, which lists no folders, is refused") << 1 << "Contents" << 0755 << false;
    }

    void modesAreSigned()
    {
        QFETCH(int, format);
        QFETCH(QString, path);
        QFETCH(int, mode);
        QFETCH(bool, valid);
        QTemporaryDir dir;
        const QString bundle = dir.filePath(u"Horavia.app"_s);
        makeBundle(bundle);
        QCOMPARE(CodeSignature::sign(bundle, m_key, format), std::nullopt);
        QVERIFY(::chmod(QFile::encodeName(bundle + '/' + path).constData(), mode_t(mode)) == 0);
        QCOMPARE(CodeSignature::verify(bundle).has_value(), valid);
    }

    // What a walk by decoded names would miss, or a link would fake.
    void nothingHidesFromVerification_data()
    {
        QTest::addColumn<QByteArray>("command"); // run in the signed bundle
        QTest::newRow("a folder whose name is not UTF-8")
            << "mkdir -p \"$(printf 'Contents/\\377')/x\"; echo > \"$(printf 'Contents/\\377')/x/run\""_ba;
        QTest::newRow("a file whose name is not UTF-8") << "echo > \"$(printf 'Contents/\\377\\376')\""_ba;
        QTest::newRow("the signature through a link")
            << "cd Contents/_CodeSignature && mv CodeSignature real && ln -s real CodeSignature"_ba;
    }
    void nothingHidesFromVerification()
    {
        QFETCH(QByteArray, command);
        QTemporaryDir dir;
        const QString bundle = dir.filePath(u"Horavia.app"_s);
        makeBundle(bundle);
        QCOMPARE(CodeSignature::sign(bundle, m_key), std::nullopt);
        QProcess shell;
        shell.setWorkingDirectory(bundle);
        shell.start(u"/bin/sh"_s, {u"-c"_s, QString::fromUtf8(command)});
        QVERIFY(shell.waitForFinished() && shell.exitCode() == 0);
        QCOMPARE(CodeSignature::verify(bundle), std::nullopt);
    }

    void extractionSetsItsOwnModes()
    {
        // A repackaged release must not bring its own modes: folders open to all
        // writers, setuid programs.
        QTemporaryDir dir;
        ZipWriter zip;
        zip.addDirectory(u"open"_s, 0777);
        zip.addDirectory(u"closed"_s, 0700);
        zip.addFile(u"open/setuid"_s, "x", 04777);
        zip.addFile(u"open/shared"_s, "x", 0666);
        zip.addFile(u"open/private"_s, "x", 0600);
        writeFile(dir.filePath(u"a.zip"_s), zip.finish());
        const QString out = dir.filePath(u"out"_s);
        QDir().mkpath(out);
        QCOMPARE(ZipExtractor::extract(dir.filePath(u"a.zip"_s), out), std::nullopt);
        const QList<std::pair<const char*, int>> expected{
            {"open", 0755}, {"closed", 0755}, {"open/setuid", 0755}, {"open/shared", 0644}, {"open/private", 0600}};
        for (const auto& [name, mode] : expected)
            QCOMPARE(modeOf(out + '/' + QString::fromLatin1(name)), mode);
    }

    void keygenCreatesTheKeyAlone_data()
    {
        QTest::addColumn<QString>("planted"); // what another user left at the key's path
        QTest::newRow("a fresh path") << "";
        QTest::newRow("a file someone else holds open") << "file";
        QTest::newRow("a link pointing where they can read") << "link";
    }

    void keygenCreatesTheKeyAlone()
    {
        QFETCH(QString, planted);
        QTemporaryDir dir;
        const QString key = dir.filePath(u"release.pem"_s);
        const QString elsewhere = dir.filePath(u"theirs.pem"_s);
        if (planted == "file") writeFile(key, "theirs");
        if (planted == "link") QVERIFY(QFile::link(elsewhere, key));
        // Traced, so the call that creates the file can be read: created with
        // the owner's permissions and only if it did not exist, in one step, a
        // careless umask notwithstanding. Restricting it afterwards leaves a
        // moment in which anyone can open it.
        const QString trace = dir.filePath(u"trace"_s);
        QProcess tool;
        tool.start(u"/bin/sh"_s,
                   {u"-c"_s, u"umask 000; exec strace -f -e trace=open,openat,creat -o \"$2\" \"$0\" keygen \"$1\""_s,
                    QStringLiteral(HORAVIA_BINARY_DIR "/tools/horavia-codesign"), key, trace});
        QVERIFY(tool.waitForFinished(10000));
        if (planted.isEmpty()) {
            QCOMPARE(tool.exitCode(), 0);
            QCOMPARE(modeOf(key), 0600);
            QVERIFY(CodeSignature::teamIdentifierForKey(readFile(key)));
            const QList<QByteArray> calls = readFile(trace).split('\n');
            const auto creation = std::find_if(calls.cbegin(), calls.cend(),
                                               [&](const QByteArray& call) { return call.contains(key.toUtf8()); });
            QVERIFY2(creation != calls.cend(), readFile(trace).constData());
            QVERIFY2(creation->contains("O_EXCL") && creation->contains(", 0600)"), creation->constData());
            return;
        }
        QVERIFY(tool.exitCode() != 0);
        QVERIFY(!QFileInfo::exists(elsewhere));
        if (planted == "file") QCOMPARE(readFile(key), "theirs"_ba);
    }

private:
    QByteArray m_key;
};

QTEST_GUILESS_MAIN(TestCodeSignature)
#include "TestCodeSignature.moc"
