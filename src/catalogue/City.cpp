#include "City.h"

#include "TextFolder.h"
#include "base/SharedOnce.h"
#include "base/SharedTable.h"

#include <QHash>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstring>

namespace {

QHash<QString, QString> buildCountryTable()
{
    QHash<QString, QString> table;
    const icu::Locale english("en_US");
    for (const char* const* code = icu::Locale::getISOCountries(); *code; ++code) {
        if (std::strlen(*code) != 2) continue;
        icu::UnicodeString name;
        icu::Locale(nullptr, *code).getDisplayCountry(english, name);
        const QString display(reinterpret_cast<const QChar*>(name.getBuffer()), name.length());
        const QString regionCode = QString::fromLatin1(*code);
        if (display.isEmpty() || display == regionCode) continue;
        table.insert(normalizedCountryName(display), regionCode);
    }
    // The catalogue's spelling of names whose CLDR English name differs (or
    // that CLDR spells in several ways); these always win.
    static const std::pair<const char*, const char*> fixed[] = {
        {"Bonaire, Saint Eustatius and Saba", "BQ"},
        {"Cabo Verde", "CV"},
        {"China", "CN"},
        {"Cocos Islands", "CC"},
        {"Democratic Republic of the Congo", "CD"},
        {"Ivory Coast", "CI"},
        {"Myanmar", "MM"},
        {"Palestinian Territory", "PS"},
        {"Pitcairn", "PN"},
        {"Republic of the Congo", "CG"},
        {"South Georgia and the South Sandwich Islands", "GS"},
        {"Turkey", "TR"},
        {"Vatican", "VA"},
    };
    for (const auto& [name, code] : fixed)
        table.insert(normalizedCountryName(QString::fromUtf8(name)), QString::fromLatin1(code));
    return table;
}

} // namespace

const City& City::utc()
{
    static SharedOnce<City> entry;
    return entry.get([] {
        auto city = std::make_unique<City>();
        city->id = QStringLiteral("utc");
        city->name = QStringLiteral("UTC");
        city->timeZoneIdentifier = QStringLiteral("UTC");
        city->aliases = {QStringLiteral("Coordinated Universal Time"), QStringLiteral("GMT"),
                         QStringLiteral("Greenwich Mean Time"), QStringLiteral("Zulu")};
        city->timeZone = resolveTimeZone(QByteArrayLiteral("UTC"));
        return city;
    });
}

QString City::displayName() const
{
    return localName.isEmpty() ? catalogueName() : localName;
}

QString City::catalogueName() const
{
    return region.isEmpty() ? name : name + QStringLiteral(", ") + region;
}

bool operator==(const City& a, const City& b)
{
    return a.id == b.id && a.name == b.name && a.region == b.region && a.country == b.country &&
           a.latitude == b.latitude && a.longitude == b.longitude && a.timeZoneIdentifier == b.timeZoneIdentifier &&
           a.aliases == b.aliases && a.timeZone == b.timeZone;
}

QTimeZone resolveTimeZone(const QByteArray& identifier)
{
    QTimeZone zone(identifier);
    return zone.isValid() ? zone : QTimeZone(0);
}

QString normalizedCountryName(const QString& country)
{
    static SharedOnce<TextFolder> folder; // names are English; no user locale applies
    QString text = folder.get([] { return std::make_unique<TextFolder>(); }).fold(country);
    text.replace(QLatin1Char('&'), QStringLiteral("and"));
    text.replace(QStringLiteral("saint"), QStringLiteral("st"));
    text.remove(QStringLiteral("the"));
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const char32_t c = text.at(i).isHighSurrogate() && i + 1 < text.size()
                               ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                               : char32_t(text.at(i).unicode());
        const qsizetype width = QChar::requiresSurrogates(c) ? 2 : 1;
        if (QChar::isLetterOrNumber(c)) kept.append(text.mid(i, width));
        i += width;
    }
    return kept;
}

std::optional<QString> flagEmojiForRegion(const QString& regionCode)
{
    const QList<uint> scalars = regionCode.toUpper().toUcs4();
    if (scalars.isEmpty()) return std::nullopt;
    QList<char32_t> shifted;
    for (const uint scalar : scalars) {
        const char32_t value = char32_t(scalar + 0x1F1A5);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
        shifted.append(value);
    }
    return QString::fromUcs4(shifted.constData(), shifted.size());
}

QString regionCodeOf(const QString& country)
{
    static SharedOnce<QHash<QString, QString>> table;
    // Folding a name is the dear part, and every clock asks at every tick
    // for one of a few hundred countries.
    static SharedTable<QString, QString> asked;
    if (std::optional<QString> known = asked.find(country)) return *known;
    const QString code = table.get([] { return std::make_unique<QHash<QString, QString>>(buildCountryTable()); })
                             .value(normalizedCountryName(country));
    asked.insert(country, code);
    return code;
}

std::optional<QString> flagEmoji(const QString& country)
{
    const QString code = regionCodeOf(country);
    if (code.isEmpty()) return std::nullopt;
    return flagEmojiForRegion(code);
}
