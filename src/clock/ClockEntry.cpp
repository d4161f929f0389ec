#include "ClockEntry.h"

#include "ClockRowContent.h"
#include "catalogue/CityDatabase.h"
#include "catalogue/ZoneNames.h"
#include "settings/AppSettings.h"

#include <algorithm>

namespace {

ClockEntry trackedEntry(const AppSettings& settings, const City& city, ClockEntry::Kind kind)
{
    ClockEntry entry;
    entry.id = city.id;
    if (const std::optional<QString> label = settings.customLabel(city)) {
        entry.title = *label;
        entry.originalName = city.displayName();
    } else {
        entry.title = city.displayName();
        if (entry.title != city.catalogueName()) entry.catalogueTitle = city.catalogueName();
    }
    entry.emoji = settings.emoji(city);
    entry.timeZone = city.timeZone;
    entry.kind = kind;
    entry.city = city;
    entry.schedule = settings.scheduleFor(city.id, regionCodeOf(city.country));
    if (city.id != City::utc().id) entry.place = Place{city.latitude, city.longitude};
    return entry;
}

// The home row when no tracked city keeps the home zone: named after the
// catalogue's first city in that zone (never its custom label), else after
// the zone identifier.
ClockEntry standaloneHomeEntry(const AppSettings& settings, const QTimeZone& homeTimeZone, const CityDatabase& database)
{
    const QString identifier = QString::fromUtf8(homeTimeZone.id());
    ClockEntry entry;
    entry.id = QStringLiteral("home");
    entry.timeZone = homeTimeZone;
    entry.kind = ClockEntry::Kind::home;
    const std::optional<City> found = database.firstInZone(identifier);
    QString region;
    if (found) {
        entry.title = found->displayName();
        if (entry.title != found->catalogueName()) entry.catalogueTitle = found->catalogueName();
        entry.emoji = settings.emoji(*found);
        region = regionCodeOf(found->country);
        if (found->id != City::utc().id) entry.place = Place{found->latitude, found->longitude};
    } else {
        entry.title = ZoneNames::fromIdentifier(identifier);
    }
    entry.schedule = settings.scheduleFor(entry.id, region);
    return entry;
}

} // namespace

ClockRowContent ClockEntry::rowContent(const QDateTime& now, bool showsOffset) const
{
    ClockRowContent content;
    content.title = title;
    content.timeZone = timeZone;
    content.now = now;
    content.isHome = kind == Kind::home;
    content.emoji = emoji;
    content.originalName = originalName;
    content.schedule = schedule;
    content.showsOffset = showsOffset;
    content.place = place;
    return content;
}

ClockEntry ClockEntry::forCity(const AppSettings& settings, const City& city)
{
    return trackedEntry(settings, city, Kind::tracked);
}

QList<ClockEntry> ClockEntry::entries(const AppSettings& settings, const QDateTime& now, const QTimeZone& homeTimeZone,
                                      const CityDatabase& database)
{
    QList<City> cities = settings.trackedCities(now, database);
    QList<ClockEntry> entries;
    entries.reserve(cities.size() + 1);

    if (settings.value<bool>(SettingKey::showsHomeZone)) {
        const QByteArray homeId = homeTimeZone.id();
        const auto home = std::find_if(cities.cbegin(), cities.cend(),
                                       [&](const City& city) { return city.timeZone.id() == homeId; });
        if (home != cities.cend()) {
            entries.append(trackedEntry(settings, *home, Kind::home));
            cities.erase(home);
        } else {
            entries.append(standaloneHomeEntry(settings, homeTimeZone, database));
        }
    }
    for (const City& city : std::as_const(cities))
        entries.append(trackedEntry(settings, city, Kind::tracked));
    return entries;
}
