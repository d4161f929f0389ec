#pragma once

#include <QString>

#include <unicode/locid.h>
#include <unicode/udisplaycontext.h>

// Formats wall-clock times with ICU's locale data from a skeleton of fields
// ("jmm", "EEEMMMd"...), leaving field order, separators and markers to the
// locale. The caller passes the wall-clock time itself (UTC plus the zone's
// offset from the system tz database), so ICU's own copy of the zone rules
// never decides what time it is. Formatters are cached per thread, locale and
// skeleton.
namespace DateFormats {

// `wallMSecs`: milliseconds since 1970 of the local date and time, read as if it were UTC.
// `capitalization`: where the text stands, for languages that capitalize a
// day or month name at the start of a sentence or a column but not after a
// time ("Mar, 14 nov" / "9:00 mar, 14 nov").
QString format(const icu::Locale& locale, const char* skeleton, qint64 wallMSecs,
               UDisplayContext capitalization = UDISPCTX_CAPITALIZATION_NONE);

} // namespace DateFormats
