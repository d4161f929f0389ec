// After what the application does first (catalogue, land outlines, formatting,
// hash tables of strings), the vector registers' upper halves must be clean:
// dirty, they make every legacy SSE instruction of the process slow on many
// Intel processors. The processor itself says whether they are in use.
#include "catalogue/CityDatabase.h"
#include "clock/ClockFormatter.h"
#include "map/WorldLand.h"
#include "platform/VectorState.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimeZone>

#include <cstdio>

int main(int argc, char** argv)
{
    VectorState::keepUpperHalvesClean(); // as the application's main() does
    QCoreApplication application(argc, argv);
    if (!VectorState::upperHalvesInUse()) {
        std::puts("this processor cannot tell whether they are in use: nothing to check");
        return 0;
    }
    const CityDatabase database(QStringLiteral(HORAVIA_SOURCE_DIR "/resources/cities.json"), icu::Locale("en_US"));
    const WorldLand land = WorldLand::load(QStringLiteral(HORAVIA_SOURCE_DIR "/resources/world-land.json"));
    const ClockFormatter formatter(TimeFormat::system, DateFormat::relative);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QHash<QString, QString> names;
    for (const City& city : database.search(QStringLiteral("par"), 50))
        names.insert(city.id, formatter.timeText(now, city.timeZone) + formatter.zoneName(city.timeZone, now));
    const bool dirty = *VectorState::upperHalvesInUse();
    std::printf("%lld names; upper halves %s\n", qlonglong(names.size()), dirty ? "DIRTY" : "clean");
    return dirty ? 1 : 0;
}
