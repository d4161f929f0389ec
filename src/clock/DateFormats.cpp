#include "DateFormats.h"

#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <map>
#include <memory>
#include <string>

namespace DateFormats {

namespace {

std::unique_ptr<icu::SimpleDateFormat> makeFormat(const icu::Locale& locale, const char* skeleton,
                                                  UDisplayContext capitalization)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status)) return nullptr;
    const icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString(skeleton, -1, US_INV), status);
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status)) return nullptr;
    format->setTimeZone(*icu::TimeZone::getGMT());
    format->setContext(capitalization, status);
    return format;
}

} // namespace

QString format(const icu::Locale& locale, const char* skeleton, qint64 wallMSecs, UDisplayContext capitalization)
{
    thread_local std::map<std::string, std::unique_ptr<icu::SimpleDateFormat>> formats;
    const std::string key = std::string(locale.getName()) + '|' + skeleton + '|' + std::to_string(capitalization);
    auto it = formats.find(key);
    if (it == formats.end()) it = formats.emplace(key, makeFormat(locale, skeleton, capitalization)).first;
    if (!it->second) return {};
    icu::UnicodeString text;
    it->second->format(UDate(wallMSecs), text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace DateFormats
