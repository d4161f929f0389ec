#include "LocaleText.h"

#include <QHash>

#include <unicode/listformatter.h>
#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/measure.h>
#include <unicode/numberformatter.h>

#include <map>
#include <memory>
#include <string>
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

// The interface's locale, and whether it reads right to left: asked of
// every name put into a sentence, and ICU works that out from the script.
struct Interface {
    icu::Locale locale = icu::Locale::getDefault();
    bool rightToLeft = locale.isRightToLeft();
};

Interface& interfaceStore()
{
    static Interface current;
    return current;
}

} // namespace

const icu::Locale& interfaceLocale()
{
    return interfaceStore().locale;
}

void setInterfaceLocale(const icu::Locale& locale)
{
    interfaceStore() = {locale, bool(locale.isRightToLeft())};
}

QString isolated(const QString& text)
{
    if (text.isEmpty() || !interfaceStore().rightToLeft) return text;
    return QChar(0x2068) + text + QChar(0x2069); // FIRST STRONG ISOLATE … POP DIRECTIONAL ISOLATE
}

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

QString offset(int seconds, const icu::Locale& locale)
{
    if (seconds == 0) return {};
    // Each row asks at each tick: made once per locale and amount.
    thread_local QHash<std::pair<QByteArray, int>, QString> made;
    const std::pair<QByteArray, int> key{QByteArray(locale.getName()), seconds};
    if (const auto found = made.constFind(key); found != made.cend()) return *found;
    if (made.size() > 256) made.clear();

    using icu::number::NumberFormatter;
    const auto in = [&locale](const icu::MeasureUnit& unit, UNumberSignDisplay sign) {
        return NumberFormatter::withLocale(locale).unit(unit).unitWidth(UNUM_UNIT_WIDTH_NARROW).sign(sign);
    };
    UErrorCode status = U_ZERO_ERROR;
    const int minutes = seconds / 60;
    const int hours = minutes / 60;
    const int rest = std::abs(minutes % 60);
    icu::UnicodeString out;
    if (rest == 0) {
        out = in(icu::MeasureUnit::getHour(), UNUM_SIGN_EXCEPT_ZERO).formatInt(hours, status).toString(status);
    } else if (hours == 0) {
        out = in(icu::MeasureUnit::getMinute(), UNUM_SIGN_EXCEPT_ZERO).formatInt(minutes, status).toString(status);
    } else {
        // "+5h 30m": the sign on the hours, joined as the locale joins units
        // (ICU's mixed units would sign each part).
        const icu::UnicodeString parts[] = {
            in(icu::MeasureUnit::getHour(), UNUM_SIGN_EXCEPT_ZERO).formatInt(hours, status).toString(status),
            in(icu::MeasureUnit::getMinute(), UNUM_SIGN_NEVER).formatInt(rest, status).toString(status)};
        const std::unique_ptr<icu::ListFormatter> join(
            icu::ListFormatter::createInstance(locale, ULISTFMT_TYPE_UNITS, ULISTFMT_WIDTH_NARROW, status));
        if (U_SUCCESS(status)) join->format(parts, 2, out, status);
    }
    if (U_FAILURE(status)) return QString::number(minutes);
    return *made.insert(key, qt(out));
}

QString relative(double amount, URelativeDateTimeUnit unit, const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::RelativeDateTimeFormatter format(locale, status);
    icu::UnicodeString out;
    if (U_SUCCESS(status)) format.formatNumeric(amount, unit, out, status);
    return U_SUCCESS(status) ? qt(out) : QString();
}

QString relativeDay(int days, UDisplayContext capitalization, const icu::Locale& locale)
{
    // Made for every clock a day apart at every tick: kept per thread.
    thread_local std::map<std::string, std::unique_ptr<icu::RelativeDateTimeFormatter>> formats;
    const std::string key = std::string(locale.getName()) + '|' + std::to_string(capitalization);
    auto it = formats.find(key);
    if (it == formats.end()) {
        UErrorCode status = U_ZERO_ERROR;
        auto made =
            std::make_unique<icu::RelativeDateTimeFormatter>(locale, nullptr, UDAT_STYLE_LONG, capitalization, status);
        it = formats.emplace(key, U_SUCCESS(status) ? std::move(made) : nullptr).first;
    }
    if (!it->second || days < -1 || days > 1) return {};
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    it->second->format(days == 0  ? UDAT_DIRECTION_THIS
                       : days > 0 ? UDAT_DIRECTION_NEXT
                                  : UDAT_DIRECTION_LAST,
                       UDAT_ABSOLUTE_DAY, out, status);
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

QString wellFormed(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

} // namespace LocaleText
