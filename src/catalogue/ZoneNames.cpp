#include "ZoneNames.h"

#include <QStringList>

#include <unicode/timezone.h>
#include <unicode/tzfmt.h>
#include <unicode/tznames.h>

#include <map>
#include <memory>
#include <string>

namespace {

constexpr UDate halfYearMs = 182.5 * 24 * 3600 * 1000;

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// One formatter per thread and locale: creating it loads CLDR data, and
// catalogue loading names hundreds of zones in a row.
icu::TimeZoneFormat* formatFor(const icu::Locale& locale)
{
    thread_local std::unique_ptr<icu::TimeZoneFormat> format;
    thread_local icu::Locale formatLocale;
    if (!format || formatLocale != locale) {
        UErrorCode status = U_ZERO_ERROR;
        format.reset(icu::TimeZoneFormat::createInstance(locale, status));
        if (U_FAILURE(status)) format.reset();
        formatLocale = locale;
    }
    return format.get();
}

std::optional<int> icuOffsetSeconds(const icu::TimeZone& zone, UDate at)
{
    int32_t raw = 0;
    int32_t dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone.getOffset(at, false, raw, dst, status);
    if (U_FAILURE(status)) return std::nullopt;
    return (raw + dst) / 1000;
}

bool rulesAgree(const icu::TimeZone& zone, UDate at, const ZoneNames::OffsetAt& systemOffset)
{
    for (const UDate when : {at, at + halfYearMs})
        if (icuOffsetSeconds(zone, when) != systemOffset(when)) return false;
    return true;
}

// The metazone's long specific name, when its standard offset is the one
// the system's rules give the zone: only the daylight saving differs then.
std::optional<QString> specificName(const icu::UnicodeString& id, const icu::TimeZoneNames& names, UDate at,
                                    int systemOffset, bool daylight)
{
    icu::UnicodeString canonical;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(id, canonical, status);
    if (U_FAILURE(status)) return std::nullopt;
    icu::UnicodeString metazone;
    names.getMetaZoneID(canonical, at, metazone);
    if (metazone.isEmpty()) return std::nullopt;
    icu::UnicodeString reference;
    names.getReferenceZoneID(metazone, "001", reference);
    const std::unique_ptr<icu::TimeZone> model(icu::TimeZone::createTimeZone(reference));
    if (!model || reference.isEmpty()) return std::nullopt;
    int32_t raw = 0;
    int32_t saving = 0;
    model->getOffset(at, false, raw, saving, status);
    // The model's own saving when it has one, else an hour.
    const int32_t daylightShift = model->getDSTSavings() > 0 ? model->getDSTSavings() : 3600 * 1000;
    if (U_FAILURE(status) || raw + (daylight ? daylightShift : 0) != systemOffset * 1000) return std::nullopt;
    icu::UnicodeString name;
    names.getMetaZoneDisplayName(metazone, daylight ? UTZNM_LONG_DAYLIGHT : UTZNM_LONG_STANDARD, name);
    if (name.isEmpty()) return std::nullopt;
    return toQString(name);
}

} // namespace

namespace ZoneNames {

std::optional<QString> genericName(const QString& identifier, const icu::Locale& locale, UDate at,
                                   const OffsetAt& systemOffset, const DaylightAt& systemDaylight)
{
    const icu::UnicodeString id(reinterpret_cast<const UChar*>(identifier.utf16()), int32_t(identifier.size()));
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(id));
    icu::UnicodeString resolvedId;
    if (!zone || zone->getID(resolvedId) == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID)) return std::nullopt;
    icu::TimeZoneFormat* format = formatFor(locale);
    if (!format) return std::nullopt;
    if (systemOffset && !rulesAgree(*zone, at, systemOffset)) {
        if (!systemDaylight) return std::nullopt;
        return specificName(resolvedId, *format->getTimeZoneNames(), at, systemOffset(at), systemDaylight(at));
    }

    icu::UnicodeString name;
    format->format(UTZFMT_STYLE_GENERIC_LONG, *zone, at, name, nullptr);
    if (name.isEmpty()) return std::nullopt;

    // ICU falls back to the bare offset ("GMT") for zones without a generic
    // name; a person expects UTC to read as "Coordinated Universal Time".
    if (const std::optional<int> offset = icuOffsetSeconds(*zone, at)) {
        icu::UnicodeString gmt;
        UErrorCode status = U_ZERO_ERROR;
        format->formatOffsetLocalizedGMT(*offset * 1000, gmt, status);
        if (U_SUCCESS(status) && gmt == name) {
            icu::UnicodeString canonical;
            status = U_ZERO_ERROR;
            icu::TimeZone::getCanonicalID(resolvedId, canonical, status);
            icu::UnicodeString standard;
            if (U_SUCCESS(status))
                format->getTimeZoneNames()->getDisplayName(canonical, UTZNM_LONG_STANDARD, at, standard);
            if (!standard.isEmpty()) return toQString(standard);
        }
    }
    return toQString(name);
}

QString localizedGmt(int offsetSeconds, const icu::Locale& locale)
{
    icu::TimeZoneFormat* format = formatFor(locale);
    if (!format) return {};
    icu::UnicodeString text;
    UErrorCode status = U_ZERO_ERROR;
    format->formatOffsetShortLocalizedGMT(offsetSeconds * 1000, text, status);
    return U_SUCCESS(status) ? toQString(text) : QString();
}

QString fromIdentifier(const QString& identifier)
{
    const QStringList pieces = identifier.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString last = pieces.isEmpty() ? identifier : pieces.last();
    return last.replace(QLatin1Char('_'), QLatin1Char(' '));
}

std::optional<QString> exemplarCity(const QString& identifier, const icu::Locale& locale)
{
    // Asked for many zones in a row: one instance per thread and locale.
    thread_local std::map<std::string, std::unique_ptr<icu::TimeZoneNames>> made;
    auto it = made.find(locale.getName());
    if (it == made.end()) {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::TimeZoneNames> created(icu::TimeZoneNames::createInstance(locale, status));
        it = made.emplace(locale.getName(), U_SUCCESS(status) ? std::move(created) : nullptr).first;
    }
    icu::TimeZoneNames* names = it->second.get();
    if (!names) return std::nullopt;
    icu::UnicodeString city;
    names->getExemplarLocationName(
        icu::UnicodeString(reinterpret_cast<const UChar*>(identifier.utf16()), int32_t(identifier.size())), city);
    if (city.isEmpty()) return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(city.getBuffer()), city.length());
}

std::optional<QString> countryName(const QString& regionCode, const icu::Locale& locale)
{
    if (regionCode.size() != 2) return std::nullopt;
    const icu::Locale region("", regionCode.toLatin1().constData());
    icu::UnicodeString name;
    region.getDisplayCountry(locale, name);
    // ICU answers an unknown code with the code itself.
    if (name.isEmpty() || name == icu::UnicodeString(regionCode.toLatin1().constData(), -1, US_INV))
        return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(name.getBuffer()), name.length());
}

} // namespace ZoneNames
