#include "../support/TestValues.h"
#include "platform/ZoneLinkWatch.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The system's zone link sits in a busy folder (/etc): only what happens to
// the link itself may reach the clock, once per change.
class TestZoneLinkWatch : public QObject {
    Q_OBJECT

private slots:
    void onlyTheLinkCounts()
    {
        QTemporaryDir etc;
        const QString link = etc.filePath(u"localtime"_s);
        QVERIFY(QFile::link(u"/usr/share/zoneinfo/Europe/Berlin"_s, link));
        ZoneLinkWatch watch(link);
        QVERIFY(watch.isWatching());
        QSignalSpy changed(&watch, &ZoneLinkWatch::changed);

        // A package manager at work beside it, including names that merely begin alike.
        for (int i = 0; i < 2000; ++i)
            writeFile(etc.filePath(u"file%1"_s.arg(i % 50)), "x");
        for (const QString& name : {u"localtime.new"_s, u"localtim"_s, u"xlocaltime"_s}) {
            writeFile(etc.filePath(name), {});
            QVERIFY(QFile::remove(etc.filePath(name)));
        }
        QTest::qWait(300);
        QCOMPARE(changed.count(), 0);

        // What timedatectl does: a new link renamed over the old one; and
        // what `ln -sf` does: unlink, then link. Each is one change.
        const QString next = etc.filePath(u".localtime.tmp"_s);
        QVERIFY(QFile::link(u"/usr/share/zoneinfo/Asia/Tokyo"_s, next));
        QCOMPARE(std::rename(QFile::encodeName(next).constData(), QFile::encodeName(link).constData()), 0);
        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(QFile::remove(link));
        QVERIFY(QFile::link(u"/usr/share/zoneinfo/UTC"_s, link));
        QTRY_COMPARE(changed.count(), 2);
        QTest::qWait(300);
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestZoneLinkWatch)
#include "TestZoneLinkWatch.moc"
