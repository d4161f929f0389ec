#include "ApplicationState.h"

#include "clock/ClockFormatter.h"
#include "platform/VectorState.h"

#include <QTimeZone>

#include <cstdio>

namespace ApplicationState {

void prepareProcess()
{
    VectorState::keepUpperHalvesClean();
}

const CityDatabase& database()
{
    // The bundle's catalogue, read through its prebuilt index as the application reads it.
    static const CityDatabase loaded(QStringLiteral(HORAVIA_BUNDLE_DIR "/Contents/Resources/cities.json"),
                                     icu::Locale("en_US"));
    return loaded;
}

const WorldLand& land()
{
    static const WorldLand loaded = WorldLand::load(QStringLiteral(HORAVIA_SOURCE_DIR "/resources/world-land.json"));
    return loaded;
}

void enter()
{
    database();
    land();
    const ClockFormatter formatter(TimeFormat::system, DateFormat::relative);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const char* zone : {"Europe/Berlin", "Asia/Kolkata", "America/New_York"}) {
        formatter.timeText(now, QTimeZone(zone));
        formatter.zoneName(QTimeZone(zone), now);
    }
    reportVectorState("after loading");
}

void reportVectorState(const char* when)
{
    const std::optional<bool> dirty = VectorState::upperHalvesInUse();
    std::fprintf(stderr, "vector registers' upper halves %s: %s\n", when,
                 !dirty   ? "cannot tell on this processor"
                 : *dirty ? "DIRTY"
                          : "clean");
}

} // namespace ApplicationState
