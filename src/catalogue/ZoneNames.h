#pragma once

#include <QString>

#include <unicode/locid.h>
#include <unicode/utypes.h>

#include <functional>
#include <optional>

// Human-readable time-zone names from ICU's CLDR data. Only names come from
// ICU; offsets always come from the system's tz database.
namespace ZoneNames {

// The system's offset from UTC, in seconds, of the zone at an instant
// (milliseconds since 1970, UTC).
using OffsetAt = std::function<int(UDate at)>;
// Whether the system's tz database has daylight-saving time in effect then.
using DaylightAt = std::function<bool(UDate at)>;

// The generic long name ("Central European Time") of a zone at an instant
// (milliseconds since 1970, UTC), in the given locale. None when ICU does not
// know the identifier (its data may be older than the system's tz database).
// With `systemOffset`, also none when ICU's own rules disagree with the
// system's, at the instant or half a year later: ICU's copy of the rules
// predates some changes, and its name would then describe a zone the city
// has left ("Eastern European Standard Time" for Cairo on summer time).
// In that case, with `systemDaylight`, the zone's metazone names it still
// when its standard offset is the system's: its long specific name, standard
// or daylight as the system's rules have it ("Central Standard Time" for
// Mexico City all year, "Eastern European Summer Time" for Cairo in summer).
// A zone that ICU names only by its offset ("GMT") takes its proper long
// name when it has one ("Coordinated Universal Time").
std::optional<QString> genericName(const QString& identifier, const icu::Locale& locale, UDate at,
                                   const OffsetAt& systemOffset = {}, const DaylightAt& systemDaylight = {});

// ICU's localized GMT format of an offset in seconds ("GMT+5", "GMT-3:30").
QString localizedGmt(int offsetSeconds, const icu::Locale& locale);

// The city a zone is named after, as the locale writes it ("Tokio" for
// Asia/Tokyo in German, "東京" in Japanese); none when ICU has no name.
std::optional<QString> exemplarCity(const QString& identifier, const icu::Locale& locale);

// A country's name in the locale ("Japon" for JP in French); none for an
// unknown code.
std::optional<QString> countryName(const QString& regionCode, const icu::Locale& locale);

// The name derived from an identifier alone: its last non-empty "/" piece
// with underscores as spaces ("America/Argentina/Buenos_Aires" gives
// "Buenos Aires"); the whole identifier when it has no pieces.
QString fromIdentifier(const QString& identifier);

} // namespace ZoneNames
