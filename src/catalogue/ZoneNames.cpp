#include "ZoneNames.h"

#include <QStringList>

#include <unicode/timezone.h>
#include <unicode/tzfmt.h>

#include <map>
#include <memory>
#include <string>

namespace ZoneNames {

std::optional<QString> genericName(const QString& identifier, const icu::Locale& locale, UDate at)
{
    const icu::UnicodeString id(reinterpret_cast<const UChar*>(identifier.utf16()), int32_t(identifier.size()));
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(id));
    icu::UnicodeString resolvedId;
    if (!zone || zone->getID(resolvedId) == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID)) return std::nullopt;

    // One formatter per thread and locale: creating it loads CLDR data, and
    // catalogue loading names hundreds of zones in a row.
    thread_local std::unique_ptr<icu::TimeZoneFormat> format;
    thread_local icu::Locale formatLocale;
    if (!format || formatLocale != locale) {
        UErrorCode status = U_ZERO_ERROR;
        format.reset(icu::TimeZoneFormat::createInstance(locale, status));
        if (U_FAILURE(status)) format.reset();
        formatLocale = locale;
    }
    if (!format) return std::nullopt;

    icu::UnicodeString name;
    UTimeZoneFormatTimeType timeType = UTZFMT_TIME_TYPE_UNKNOWN;
    format->format(UTZFMT_STYLE_GENERIC_LONG, *zone, at, name, &timeType);
    if (name.isEmpty()) return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(name.getBuffer()), name.length());
}

QString fromIdentifier(const QString& identifier)
{
    const QStringList pieces = identifier.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString last = pieces.isEmpty() ? identifier : pieces.last();
    return last.replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace ZoneNames
