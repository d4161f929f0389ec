#include "../support/TestValues.h"
#include "platform/PrivateFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The calendar files Create Event writes: in a folder of the user's alone,
// under names nobody could have prepared, the last few kept. (Folders that
// are not the user's are refused or closed as each caller asks: the
// settings' and the login item's tests plant them.)
class TestPrivateFiles : public QObject {
    Q_OBJECT

private slots:
    void writesUnderNewNamesAndKeepsTheLastFew()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"cache/horavia"_s);
        const mode_t umask = ::umask(0);
        const bool made = PrivateFiles::ensureFolder(folder);
        ::umask(umask);
        QVERIFY(made);
        QCOMPARE(modeOf(folder), 0700);
        // Someone else's name in the way, and a link to the user's profile.
        const QString profile = dir.filePath(u".profile"_s);
        writeFile(profile, "export PATH\n");
        QVERIFY(QFile::link(profile, folder + u"/event-planted.ics"_s));
        QStringList written;
        for (int i = 0; i < 8; ++i) {
            const PrivateFiles::Written file =
                PrivateFiles::writeUnique(folder, u"event-"_s, u".ics"_s, "BEGIN:VCALENDAR\r\n", 5);
            QVERIFY2(!file.path.isEmpty(), qPrintable(file.error));
            QVERIFY(!written.contains(file.path));
            QCOMPARE(modeOf(file.path), 0600);
            QCOMPARE(readFile(file.path), "BEGIN:VCALENDAR\r\n"_ba);
            written.append(file.path);
            QTest::qWait(5); // distinct modification times
        }
        QCOMPARE(readFile(profile), "export PATH\n"_ba);
        QStringList left = QDir(folder).entryList({u"event-*.ics"_s}, QDir::Files);
        left.removeOne(u"event-planted.ics"_s); // a link, not a file of ours: left alone
        QCOMPARE(left.size(), 5);
        for (const QString& path : written.mid(3))
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "TestPrivateFiles.moc"
