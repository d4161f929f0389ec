#include "platform/LibraryPages.h"

#include <QFile>
#include <QTest>

#include <unicode/utypes.h>

#include <dlfcn.h>
#include <unistd.h>

namespace {

// Whether this process has the page holding `address` mapped in.
bool mapped(const void* address)
{
    QFile map(QStringLiteral("/proc/self/pagemap"));
    quint64 entry = 0;
    // Unreadable, no page reads as mapped, and the check before letting go fails.
    const auto page = quintptr(::sysconf(_SC_PAGESIZE));
    if (map.open(QIODevice::ReadOnly) && map.seek(qint64(reinterpret_cast<quintptr>(address) / page * sizeof entry)))
        map.read(reinterpret_cast<char*>(&entry), sizeof entry);
    return (entry >> 63) != 0;
}

int changedAtRunTime = 1; // writable, and no longer what the file holds
void code() {}

} // namespace

class TestLibraryPages : public QObject {
    Q_OBJECT

private slots:
    // ICU's tables go and come back as they were.
    void icuTables()
    {
        const auto* tables = static_cast<const char*>(::dlsym(RTLD_DEFAULT, QT_STRINGIFY(U_ICUDATA_ENTRY_POINT)));
        QVERIFY(tables);
        const QByteArray before(tables, 4096);
        QVERIFY(mapped(tables));
        QVERIFY(LibraryPages::releaseIcuData());
        QVERIFY(!mapped(tables));
        QCOMPARE(QByteArray(tables, 4096), before);
    }

    // What must never go: a change would be lost, code is running.
    void refused()
    {
        changedAtRunTime = 7;
        QVERIFY(!LibraryPages::releaseReadOnlyData(&changedAtRunTime));
        QVERIFY(!LibraryPages::releaseReadOnlyData(reinterpret_cast<const void*>(&code)));
        QCOMPARE(changedAtRunTime, 7);
    }
};

QTEST_GUILESS_MAIN(TestLibraryPages)
#include "TestLibraryPages.moc"
