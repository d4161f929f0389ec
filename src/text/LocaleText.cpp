#include "LocaleText.h"

#include <unicode/listformatter.h>
#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/measure.h>

#include <memory>
#include <vector>

namespace LocaleText {
namespace {

QString qt(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

icu::UnicodeString icuText(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

} // namespace

QString duration(int minutes, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::MeasureFormat format(locale, UMEASFMT_WIDTH_WIDE, status);
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    std::vector<icu::Measure> parts;
    if (hours != 0) parts.emplace_back(icu::Formattable(hours), icu::MeasureUnit::createHour(status), status);
    if (rest != 0 || hours == 0)
        parts.emplace_back(icu::Formattable(rest), icu::MeasureUnit::createMinute(status), status);
    icu::UnicodeString out;
    icu::FieldPosition position;
    format.formatMeasures(parts.data(), int32_t(parts.size()), out, position, status);
    return U_SUCCESS(status) ? qt(out) : QString::number(minutes);
}

QString relative(double amount, URelativeDateTimeUnit unit, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::RelativeDateTimeFormatter format(locale, status);
    icu::UnicodeString out;
    if (U_SUCCESS(status)) format.formatNumeric(amount, unit, out, status);
    return U_SUCCESS(status) ? qt(out) : QString();
}

QString list(const QStringList& items, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::ListFormatter> format(icu::ListFormatter::createInstance(locale, status));
    if (U_FAILURE(status)) return items.join(QStringLiteral(", "));
    std::vector<icu::UnicodeString> texts;
    for (const QString& item : items)
        texts.push_back(icuText(item));
    icu::UnicodeString out;
    format->format(texts.data(), int32_t(texts.size()), out, status);
    return U_SUCCESS(status) ? qt(out) : items.join(QStringLiteral(", "));
}

} // namespace LocaleText
