#pragma once

#include <QString>

#include <unicode/locid.h>
#include <unicode/utypes.h>

#include <optional>

// Human-readable time-zone names from ICU's CLDR data. Only names come from
// ICU; offsets always come from the system's tz database.
namespace ZoneNames {

// The generic long name ("Central European Time") of a zone at an instant
// (milliseconds since 1970, UTC), in the given locale. None when ICU does not
// know the identifier (its data may be older than the system's tz database).
std::optional<QString> genericName(const QString& identifier, const icu::Locale& locale, UDate at);

// The name derived from an identifier alone: its last non-empty "/" piece
// with underscores as spaces ("America/Argentina/Buenos_Aires" gives
// "Buenos Aires"); the whole identifier when it has no pieces.
QString fromIdentifier(const QString& identifier);

} // namespace ZoneNames
