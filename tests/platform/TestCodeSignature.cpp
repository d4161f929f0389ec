#include "../support/Bundles.h"
#include "platform/CodeSignature.h"

#include <QTemporaryDir>
#include <QTest>

class TestCodeSignature : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_key = *CodeSignature::generatePrivateKey(); }
    void relativePathsSignTheSame();
    void symbolicLinks();
    void forgedManifestIsRejected();
    void wrongKeyKind();

private:
    QByteArray m_key;
};

void TestCodeSignature::relativePathsSignTheSame()
{
    QTemporaryDir dir;
    makeBundle(dir.filePath(QStringLiteral("Horavia.app")));
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto error = CodeSignature::sign(QStringLiteral("Horavia.app"), m_key);
    const auto team = CodeSignature::verify(QStringLiteral("Horavia.app"));
    QDir::setCurrent(saved);
    QCOMPARE(error, std::nullopt);
    QCOMPARE(team, CodeSignature::teamIdentifierForKey(m_key));
    QCOMPARE(CodeSignature::verify(dir.filePath(QStringLiteral("Horavia.app"))), team);
}

void TestCodeSignature::symbolicLinks()
{
    QTemporaryDir dir;
    const QString bundle = dir.filePath(QStringLiteral("Horavia.app"));
    makeBundle(bundle);
    QVERIFY(QFile::link(QStringLiteral("Horavia"), bundle + QStringLiteral("/Contents/Alias")));
    signBundle(bundle, m_key);
    QVERIFY(CodeSignature::verify(bundle)); // a link inside the bundle is fine

    QVERIFY(QFile::link(QStringLiteral("/etc/passwd"), bundle + QStringLiteral("/Contents/Outside")));
    QVERIFY(!CodeSignature::verify(bundle));
    QVERIFY(CodeSignature::sign(bundle, m_key)); // and cannot be signed
}

void TestCodeSignature::forgedManifestIsRejected()
{
    QTemporaryDir dir;
    const QString bundle = dir.filePath(QStringLiteral("Horavia.app"));
    makeBundle(bundle);
    signBundle(bundle, m_key);
    // Claiming another team without its key breaks the signature.
    const QString manifest = bundle + QStringLiteral("/Contents/_CodeSignature/CodeResources");
    QByteArray bytes = readFile(manifest);
    bytes.replace(CodeSignature::teamIdentifierForKey(m_key)->toLatin1(), QByteArray(32, 'a'));
    writeFile(manifest, bytes);
    QVERIFY(!CodeSignature::verify(bundle));
}

void TestCodeSignature::wrongKeyKind()
{
    QTemporaryDir dir;
    makeBundle(dir.filePath(QStringLiteral("Horavia.app")));
    QVERIFY(CodeSignature::sign(dir.filePath(QStringLiteral("Horavia.app")), "not a key"));
    QCOMPARE(CodeSignature::teamIdentifierForKey("not a key"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestCodeSignature)
#include "TestCodeSignature.moc"
