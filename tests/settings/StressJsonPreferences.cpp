// Kills a writer with SIGKILL at random moments while it toggles a setting
// as fast as it can, then opens the store the way the next start does. The
// next start must write at once, find every key, and leave nothing behind.
#include "settings/JsonPreferences.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int rounds = 200;
constexpr int keys = 20;
constexpr qint64 stallMs = 1000;

QString key(int n)
{
    return QStringLiteral("key%1").arg(n);
}

[[noreturn]] void toggleForever(const QString& path)
{
    JsonPreferences store(path);
    for (bool on = true;; on = !on) {
        store.setObject(on, QStringLiteral("toggle"));
        store.synchronize();
    }
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("horavia/settings.json"));
    {
        JsonPreferences store(path);
        for (int n = 0; n < keys; ++n)
            store.setObject(QStringLiteral("value %1").arg(n), key(n));
        store.synchronize();
    }
    int stalls = 0, lost = 0, leftovers = 0;
    for (int round = 0; round < rounds; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0) toggleForever(path);
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(500, 40'000)));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);

        QElapsedTimer clock;
        clock.start();
        JsonPreferences store(path);
        store.setObject(round, QStringLiteral("round"));
        const bool written = store.synchronize();
        if (!written || clock.elapsed() > stallMs) ++stalls;
        for (int n = 0; n < keys; ++n)
            if (store.string(key(n)) != QStringLiteral("value %1").arg(n)) ++lost;
        const QStringList entries =
            QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        leftovers += int(entries.size()) - 1;
    }
    std::printf("%d rounds: %d stalls, %d lost keys, %d leftovers\n", rounds, stalls, lost, leftovers);
    return stalls + lost + leftovers == 0 ? 0 : 1;
}
