#include "../support/Bundles.h"
#include "../support/DataTable.h"
#include "services/CodeSignature.h"
#include "services/ZipExtractor.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCodeSignature : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_key = *CodeSignature::generatePrivateKey(); }

    // Something that is no key signs nothing; a relative path signs as an absolute one.
    void relativePathsSignTheSame()
    {
        QTemporaryDir dir;
        makeBundle(dir.filePath(u"Horavia.app"_s));
        QVERIFY(CodeSignature::sign(dir.filePath(u"Horavia.app"_s), "not a key"));
        QCOMPARE(CodeSignature::teamIdentifierForKey("not a key"), std::nullopt);
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

    // What changes a signed bundle must break its signature: a mode, a name
    // a walk by decoded names would miss, a link faking a file, a manifest
    // claiming another team. $TEAM is the signer's team.
    void changesAfterSigning_data()
    {
        // command: run in the signed bundle
        addColumns<int, QByteArray, bool>({"format", "command", "valid"});
        const auto row = [](const char* name, int format, const char* command, bool valid) {
            QTest::newRow(name) << format << QByteArray(command) << valid;
        };
        row("untouched", 2, "true", true);
        row("a group-writable file", 2, "chmod 775 Contents/Horavia", false);
        row("a folder's mode is signed", 2, "chmod 700 Contents/Resources", false);
        row("format 1, which lists no folders, is refused", 1, "true", false);
        row("a folder whose name is not UTF-8", 2,
            R"sh(mkdir -p "$(printf 'Contents/\377')/x"; echo > "$(printf 'Contents/\377')/x/run")sh", false);
        row("a file whose name is not UTF-8", 2, R"sh(echo > "$(printf 'Contents/\377\376')")sh", false);
        row("the signature through a link", 2,
            "cd Contents/_CodeSignature && mv CodeSignature real && ln -s real CodeSignature", false);
        row("a manifest claiming another team", 2,
            "sed -i \"s/$TEAM/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa/\" Contents/_CodeSignature/CodeResources", false);
    }

    void changesAfterSigning()
    {
        auto [format, command, valid] = fetchRow<int, QByteArray, bool>({"format", "command", "valid"});
        QTemporaryDir dir;
        const QString bundle = dir.filePath(u"Horavia.app"_s);
        makeBundle(bundle);
        QCOMPARE(CodeSignature::sign(bundle, m_key, format), std::nullopt);
        QProcess shell;
        shell.setWorkingDirectory(bundle);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TEAM"_s, *CodeSignature::teamIdentifierForKey(m_key));
        shell.setProcessEnvironment(environment);
        shell.start(u"/bin/sh"_s, {u"-c"_s, QString::fromUtf8(command)});
        QVERIFY(shell.waitForFinished() && shell.exitCode() == 0);
        QCOMPARE(CodeSignature::verify(bundle).has_value(), valid);
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
