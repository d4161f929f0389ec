#include "../support/DataTable.h"
#include "ui/AboutWindow.h"
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QDesktopServices>
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

public:
    Q_INVOKABLE void openUrl(const QUrl& url) { m_opened.append(url); }

private slots:
    void initTestCase() { Accessibility::install(); }

    void versionLine_data()
    {
        addColumns<std::optional<BundleInfo>, QString>({"bundle", "expected"});
        QTest::newRow("build differs") << info("2.1", "57") << "Version 2.1 (57)";
        QTest::newRow("build equals version") << info("2.1", "2.1") << "Version 2.1";
        QTest::newRow("no information list") << std::optional<BundleInfo>() << "Version 1.0 (1)";
    }

    void versionLine()
    {
        auto [bundle, expected] = fetchRow<std::optional<BundleInfo>, QString>({"bundle", "expected"});
        QCOMPARE(AboutWindow::versionLine(bundle), expected);
        QCOMPARE(AboutWindow(bundle).version()->text(), expected);
    }

    void noticeLineAndSize()
    {
        AboutWindow window(std::nullopt);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QLabel* label : window.findChildren<QLabel*>()) // no credit line cut off
            if (label->wordWrap()) QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QCOMPARE(AboutWindow(std::nullopt).notice()->text(), u"© The Horavia developers"_s);
        // The bundle's English line is not shown as it stands: its year goes into the translated one.
        BundleInfo info;
        info.copyright = u"© 2026 The Horavia developers"_s;
        QCOMPARE(AboutWindow(info).notice()->text(), u"© 2026 The Horavia developers"_s);
    }

    // A credit reads as it is shown, and its links are links, where they are
    // shown, that open their page.
    void creditsReadWithTheirLinks()
    {
        AboutWindow window(std::nullopt);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto labels = window.findChildren<QLabel*>();
        const auto first = std::find_if(labels.cbegin(), labels.cend(), [](QLabel* l) { return l->wordWrap(); });
        QAccessibleInterface* paragraph = QAccessible::queryAccessibleInterface(*first);
        QVERIFY(paragraph->text(QAccessible::Name).startsWith(u"Horavia shows the time around the world. Every"_s));
        QVERIFY(!paragraph->text(QAccessible::Name).contains(u"]("_s));
        QStringList links;
        for (int i = 0; i < paragraph->childCount(); ++i) {
            QAccessibleInterface* link = paragraph->child(i);
            QCOMPARE(link->role(), QAccessible::Link);
            QCOMPARE(paragraph->indexOfChild(link), i);
            QVERIFY(!link->rect().isEmpty() && paragraph->rect().contains(link->rect()));
            links.append(link->text(QAccessible::Name) + u' ' + link->text(QAccessible::Description));
        }
        QCOMPARE(links, (QStringList{"IANA Time Zone Database https://www.iana.org/time-zones",
                                     "Unicode CLDR https://cldr.unicode.org", "ICU https://icu.unicode.org"}));
        QDesktopServices::setUrlHandler(u"https"_s, this, "openUrl");
        paragraph->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(m_opened, QList<QUrl>{QUrl(u"https://cldr.unicode.org"_s)});
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

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestAboutWindow)
#include "TestAboutWindow.moc"
