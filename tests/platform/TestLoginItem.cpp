#include "../support/DataTable.h"
#include "../support/TestValues.h"
#include "platform/LoginItem.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestLoginItem : public QObject {
    Q_OBJECT

private slots:
    // The entry as the desktop starts it: GLib's own launcher (gio launch)
    // runs the copy at each of these paths, quotes, "%" and field codes
    // included, and the desktop's own validator takes the entry.
    void launchedByTheDesktop_data()
    {
        QTest::addColumn<QString>("folder");
        for (const char* folder : {"plain", "a b", "it's \"$x`", "a\\b", "100%", "a %f b", "%U", "%%", "zoë"})
            QTest::newRow(folder) << QString::fromUtf8(folder);
    }

    void launchedByTheDesktop()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString executable = dir.filePath(folder + u"/Horavia"_s);
        QVERIFY(QDir().mkpath(dir.filePath(folder)));
        writeFile(executable, "#!/bin/sh\necho \"$@\" > \"$0.started\"\n",
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString entry = dir.filePath(u"autostart/org.horavia.Horavia.desktop"_s);
        LoginItem item(entry, executable);
        QVERIFY(!item.isEnabled());
        QCOMPARE(item.setEnabled(true), std::nullopt);
        QVERIFY(item.isEnabled());
        for (const QStringList& command :
             {QStringList{u"desktop-file-validate"_s, entry}, {u"gio"_s, u"launch"_s, entry}}) {
            QProcess process;
            process.start(command.first(), command.mid(1));
            QVERIFY(process.waitForFinished());
            QVERIFY2(process.exitCode() == 0,
                     (process.readAllStandardOutput() + process.readAllStandardError()).constData());
        }
        // The shell makes the file before it writes to it: wait for the words.
        QTRY_COMPARE(readFile(executable + u".started"_s).trimmed(), QByteArray("--at-login"));
        QCOMPARE(item.setEnabled(false), std::nullopt);
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(item.setEnabled(false), std::nullopt); // already off
    }

    void followsAMovedCopy()
    {
        QTemporaryDir dir;
        const QString entry = dir.filePath(u"org.horavia.Horavia.desktop"_s);
        QCOMPARE(LoginItem(entry, u"/old/Horavia"_s).setEnabled(true), std::nullopt);
        LoginItem(entry, u"/new place/Horavia"_s).followMove();
        QVERIFY(readFile(entry).contains("Exec=\"/new place/Horavia\" --at-login"));
        QVERIFY(QFile::remove(entry));
        LoginItem(entry, u"/new place/Horavia"_s).followMove(); // off stays off
        QVERIFY(!QFile::exists(entry));
    }

    // What may sit at the entry's path when the application starts: it
    // must neither write through it, nor block on it, nor rewrite an entry
    // the user made; and what it writes only the user may change.
    void hostileEntryPaths_data()
    {
        QTest::addColumn<QString>("planted"); // link, fifo, loose, foreign
        QTest::newRow("a link to the user's profile") << "link";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("an entry of ours left writable by all") << "loose";
        QTest::newRow("an entry the user wrote") << "foreign";
    }
    void hostileEntryPaths()
    {
        QFETCH(QString, planted);
        QTemporaryDir dir;
        const QString entry = dir.filePath(u"config/autostart/org.horavia.Horavia.desktop"_s);
        const QString profile = dir.filePath(u".profile"_s);
        writeFile(profile, "export PATH\n");
        QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
        const QByteArray foreign = "[Desktop Entry]\nExec=/old/Horavia --my-flag\nTryExec=/old/Horavia\n";
        if (planted == "link") QVERIFY(QFile::link(profile, entry));
        if (planted == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(entry).constData(), 0644), 0);
        if (planted == "loose") {
            QCOMPARE(LoginItem(entry, u"/old/Horavia"_s).setEnabled(true), std::nullopt);
            QCOMPARE(::chmod(QFile::encodeName(entry).constData(), 0666), 0);
        }
        if (planted == "foreign") writeFile(entry, foreign);

        LoginItem item(entry, u"/new/Horavia"_s);
        item.followMove(); // what every start does, unasked
        QCOMPARE(readFile(profile), "export PATH\n"_ba);
        if (planted == "foreign") QCOMPARE(readFile(entry), foreign);
        if (planted == "loose") QVERIFY(readFile(entry).contains("Exec=/new/Horavia"));

        QCOMPARE(item.setEnabled(true), std::nullopt); // the user's own click
        QCOMPARE(readFile(profile), "export PATH\n"_ba);
        QVERIFY(QFileInfo(entry).isFile() && !QFileInfo(entry).isSymLink());
        QCOMPARE(modeOf(entry), 0644);
        QVERIFY(item.isEnabled());
    }

    // The autostart folder itself may be a link into a folder others share
    // (a sticky /tmp), or open to their writes: what runs at login is then
    // not the user's to decide alone, so nothing is written there.
    void hostileFolders_data()
    {
        QTest::addColumn<QString>("folder"); // link, open, foreign
        QTest::newRow("a link into a shared sticky folder") << "link";
        QTest::newRow("open to everyone's writes") << "open";
        QTest::newRow("another user's") << "foreign";
    }
    void hostileFolders()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString shared = dir.filePath(u"shared"_s);
        const QString autostart = dir.filePath(u"config/autostart"_s);
        QVERIFY(QDir().mkpath(shared) && QDir().mkpath(dir.filePath(u"config"_s)));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        if (folder == u"link"_s) QVERIFY(QFile::link(shared, autostart));
        if (folder != u"link"_s) QVERIFY(QDir().mkpath(autostart));
        if (folder == u"open"_s) QCOMPARE(::chmod(QFile::encodeName(autostart).constData(), 0777), 0);
        if (folder == u"foreign"_s) {
            if (::geteuid() != 0) QSKIP("only root can give a folder to another user");
            QCOMPARE(::chown(QFile::encodeName(autostart).constData(), 65534, 65534), 0);
        }
        const QString entry = autostart + u"/org.horavia.Horavia.desktop"_s;
        QVERIFY(LoginItem(entry, u"/bin/true"_s).setEnabled(true).has_value());
        QVERIFY(QDir(shared).isEmpty());
        QVERIFY(!QFileInfo::exists(entry));
    }

    void privateModesUnderAnOpenUmask()
    {
        QTemporaryDir dir;
        const QString entry = dir.filePath(u"config/autostart/org.horavia.Horavia.desktop"_s);
        const mode_t saved = ::umask(0);
        const auto failure = LoginItem(entry, u"/bin/true"_s).setEnabled(true);
        ::umask(saved);
        QCOMPARE(failure, std::nullopt);
        QCOMPARE(modeOf(QFileInfo(entry).path()), 0700);
        QCOMPARE(modeOf(entry), 0644);
    }

    void refusesWhatCannotBeWritten()
    {
        QTemporaryDir dir;
        LoginItem item(dir.filePath(u"autostart/x.desktop"_s), u"/home/a\nExec=/bin/evil"_s);
        QVERIFY(item.setEnabled(true).has_value());
        QVERIFY(!QFile::exists(dir.filePath(u"autostart/x.desktop"_s)));
    }

    // What the desktop's own session settings leave in the file.
    void readsTheDesktopsSwitch_data()
    {
        addColumns<QByteArray, bool>({"text", "enabled"});
        QTest::newRow("hidden") << "[Desktop Entry]\nExec=x\nHidden=true\n"_ba << false;
        QTest::newRow("switched off") << "[Desktop Entry]\nX-GNOME-Autostart-enabled = false\n"_ba << false;
        QTest::newRow("hidden in another group only") << "[Desktop Entry]\nExec=x\n[Other]\nHidden=true\n"_ba << true;
    }

    void readsTheDesktopsSwitch()
    {
        auto [text, enabled] = fetchRow<QByteArray, bool>({"text", "enabled"});
        QTemporaryDir dir;
        writeFile(dir.filePath(u"x.desktop"_s), text);
        QCOMPARE(LoginItem(dir.filePath(u"x.desktop"_s), u"/bin/true"_s).isEnabled(), enabled);
    }
};

QTEST_GUILESS_MAIN(TestLoginItem)
#include "TestLoginItem.moc"
