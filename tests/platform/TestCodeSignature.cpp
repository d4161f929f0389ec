#include "../support/Bundles.h"
#include "platform/CodeSignature.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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

void TestCodeSignature::symbolicLinks()
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

void TestCodeSignature::forgedManifestIsRejected()
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

void TestCodeSignature::wrongKeyKind()
{
    QTemporaryDir dir;
    makeBundle(dir.filePath(u"Horavia.app"_s));
    QVERIFY(CodeSignature::sign(dir.filePath(u"Horavia.app"_s), "not a key"));
    QCOMPARE(CodeSignature::teamIdentifierForKey("not a key"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestCodeSignature)
#include "TestCodeSignature.moc"
