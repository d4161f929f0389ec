#include "ui/AboutWindow.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

std::optional<BundleInfo> info(const QString& shortVersion, const QString& version, const QString& copyright = {})
{
    BundleInfo bundle;
    bundle.shortVersion = shortVersion;
    bundle.version = version;
    bundle.copyright = copyright;
    return bundle;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<BundleInfo>)

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void versionLine_data()
    {
        QTest::addColumn<std::optional<BundleInfo>>("bundle");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build differs") << info("2.1", "57") << "Version 2.1 (57)";
        QTest::newRow("build equals version") << info("2.1", "2.1") << "Version 2.1";
        QTest::newRow("keys missing") << info("", "") << "Version 1.0 (1)";
        QTest::newRow("no information list") << std::optional<BundleInfo>() << "Version 1.0 (1)";
    }

    void versionLine()
    {
        QFETCH(std::optional<BundleInfo>, bundle);
        QFETCH(QString, expected);
        QCOMPARE(AboutWindow::versionLine(bundle), expected);
        QCOMPARE(AboutWindow(bundle).version()->text(), expected);
    }

    void noticeLineAndSize()
    {
        AboutWindow window(std::nullopt);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QLabel* label : window.findChildren<QLabel*>()) { // no credit line cut off, none read as Markdown
            if (label->wordWrap()) QVERIFY(label->height() >= label->heightForWidth(label->width()));
            QVERIFY2(!label->accessibleName().contains(u"]("_s), qPrintable(label->accessibleName()));
        }
        QCOMPARE(AboutWindow(info("1", "1", u"© 2026 Someone"_s)).notice()->text(), u"© 2026 Someone"_s);
        QCOMPARE(AboutWindow(std::nullopt).notice()->text(), u"© The Horavia developers"_s);
    }

    void entriesOpenOnlyWebPages()
    {
        const QList<AboutWindow::Entry> entries = AboutWindow::entries();
        QCOMPARE(entries.size(), 3);
        for (const AboutWindow::Entry& entry : entries) {
            QVERIFY(entry.address.startsWith(u"https://"_s));
            QVERIFY2(QFile::exists(":/about/" + entry.icon), qPrintable(entry.icon));
        }

        AboutWindow window(std::nullopt);
        QList<QUrl> opened;
        window.openUrl = [&](const QUrl& url) { opened.append(url); };
        window.open(entries.first());
        for (const char* address : {"not a web address", "file:///etc/passwd", "https://", ""})
            window.open({u"Bad"_s, {}, QString::fromLatin1(address), {}});
        QCOMPARE(opened, QList<QUrl>{QUrl(entries.first().address)});
    }
};

QTEST_MAIN(TestAboutWindow)
#include "TestAboutWindow.moc"
