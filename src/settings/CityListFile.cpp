#include "CityListFile.h"

#include "AppSettings.h"
#include "catalogue/CityDatabase.h"
#include "text/LocaleText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringDecoder>

namespace CityListFile {
namespace {

const QString formatName = QStringLiteral("horavia-cities");
constexpr int version = 1;

// Text from the file as a message may quote it: short, and without
// characters that would break or hide the line.
QString quoted(const QString& text)
{
    QString shown;
    for (const QChar c : text.left(40))
        shown += c.isPrint() ? c : QChar(u'?');
    return QStringLiteral("“%1%2”").arg(shown, text.size() > 40 ? QStringLiteral("…") : QString());
}

bool printable(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
}

std::optional<QString> labelOf(const QJsonValue& value)
{
    if (!value.isString()) return std::nullopt;
    const QString label = LocaleText::wellFormed(value.toString().trimmed());
    if (label.isEmpty() || label.size() > longestLabel || !printable(label)) return std::nullopt;
    return label;
}

std::optional<QString> emojiOf(const QJsonValue& value)
{
    if (!value.isString()) return std::nullopt;
    const QString emoji = value.toString().trimmed();
    // One symbol, with its modifiers and joiners: a family is eleven units.
    if (emoji.isEmpty() || emoji.size() > 16 || !printable(emoji)) return std::nullopt;
    return emoji;
}

std::optional<TimeRange> hoursOf(const QJsonValue& value)
{
    return value.isString() ? TimeRange::parse(value.toString()) : std::nullopt;
}

} // namespace

QByteArray write(const AppSettings& settings, const QList<City>& order)
{
    QJsonArray cities;
    for (const City& city : order) {
        QJsonObject entry{{QStringLiteral("id"), city.id}};
        if (const auto label = settings.customLabel(city)) entry.insert(QStringLiteral("label"), *label);
        if (const auto emoji = settings.text(SettingKey::customCityEmoji, city.id))
            entry.insert(QStringLiteral("emoji"), *emoji);
        if (const auto hours = settings.workingHours(city.id))
            entry.insert(QStringLiteral("workingHours"), hours->toString());
        cities.append(entry);
    }
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), version},
                           {QStringLiteral("cities"), cities}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Read read(const QByteArray& bytes, const CityDatabase& database)
{
    Read result;
    const auto refuse = [&result](const QString& why) {
        result.error = why;
        return result;
    };
    if (bytes.size() > largestFile)
        return refuse(
            //: Importing a city list; %1 a number of kilobytes
            QCoreApplication::translate("CityListFile", "The file is larger than a list of cities can be (%1 KB).")
                .arg(largestFile / 1024));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(bytes));
    if (utf8.hasError()) return refuse(QCoreApplication::translate("CityListFile", "The file is not text in UTF-8."));
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    const QJsonObject root = document.object();
    if (parsed.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QStringLiteral("format")) != formatName || !root.value(QStringLiteral("cities")).isArray())
        return refuse(QCoreApplication::translate("CityListFile", "The file is not a list of Horavia’s cities."));
    const QJsonValue fileVersion = root.value(QStringLiteral("version"));
    if (!fileVersion.isDouble() || fileVersion.toDouble() != version)
        return refuse(
            QCoreApplication::translate("CityListFile",
                                        //: Importing a city list; %1 the file's format version
                                        "The file is from another version of Horavia (%1), which this one cannot read.")
                .arg(fileVersion.isDouble() ? QString::number(fileVersion.toDouble()) : QStringLiteral("?")));
    const QJsonArray cities = root.value(QStringLiteral("cities")).toArray();
    if (cities.size() > mostCities)
        return refuse(
            //: Importing a city list; %1 the most it may hold
            QCoreApplication::translate("CityListFile", "The file lists more than %1 cities.").arg(mostCities));

    QSet<QString> seen;
    for (qsizetype i = 0; i < cities.size(); ++i) {
        const QJsonObject object = cities.at(i).toObject();
        const QJsonValue id = object.value(QStringLiteral("id"));
        if (!cities.at(i).isObject() || !id.isString()) {
            //: A skipped entry of an imported list; %1 its position in the file
            result.skipped << QCoreApplication::translate("CityListFile", "entry %1: no city").arg(i + 1);
            continue;
        }
        const std::optional<City> city = database.find(id.toString());
        if (!city) {
            //: A skipped entry of an imported list; %1 the id the file gives
            result.skipped << QCoreApplication::translate("CityListFile", "%1: not a city of the catalogue")
                                  .arg(quoted(id.toString()));
            continue;
        }
        if (seen.contains(city->id)) {
            //: A skipped entry of an imported list; %1 a city
            result.skipped << QCoreApplication::translate("CityListFile", "%1: listed twice")
                                  .arg(LocaleText::isolated(city->name));
            continue;
        }
        seen.insert(city->id);
        Entry entry{city->id, {}, {}, {}};
        // One whole message per field and case, so that no language has
        // an English word put into its sentence.
        const auto take = [&](const char* key, auto reader, auto& into, const char* refused, const char* notText) {
            const QJsonValue value = object.value(QLatin1String(key));
            if (value.isUndefined() || value.isNull()) return;
            into = reader(value);
            if (into) return;
            const QString name = LocaleText::isolated(city->name);
            result.skipped
                << (value.isString()
                        ? QCoreApplication::translate("CityListFile", refused).arg(name, quoted(value.toString()))
                        : QCoreApplication::translate("CityListFile", notText).arg(name));
        };
        //: %1 a city, %2 the label the file gives it
        take("label", labelOf, entry.label,
             QT_TRANSLATE_NOOP("CityListFile", "%1’s label %2: not one Horavia can take"),
             //: A skipped value of an imported list; %1 a city
             QT_TRANSLATE_NOOP("CityListFile", "%1’s label: not text"));
        take("emoji", emojiOf, entry.emoji,
             //: A skipped value of an imported list; %1 a city, %2 the emoji the file gives
             QT_TRANSLATE_NOOP("CityListFile", "%1’s emoji %2: not one Horavia can take"),
             //: A skipped value of an imported list; %1 a city
             QT_TRANSLATE_NOOP("CityListFile", "%1’s emoji: not text"));
        take("workingHours", hoursOf, entry.workingHours,
             //: A skipped value of an imported list; %1 a city, %2 the hours the file gives
             QT_TRANSLATE_NOOP("CityListFile", "%1’s working hours %2: not ones Horavia can take"),
             //: A skipped value of an imported list; %1 a city
             QT_TRANSLATE_NOOP("CityListFile", "%1’s working hours: not text"));
        result.entries.append(entry);
    }
    return result;
}

Changes compare(const Read& read, const AppSettings& settings)
{
    Changes changes;
    const QStringList tracked = settings.value<QStringList>(SettingKey::trackedCityIDs);
    for (const Entry& entry : read.entries) {
        if (!tracked.contains(entry.id)) changes.added << entry.id;
        const auto differs = [](const std::optional<QString>& mine, const std::optional<QString>& theirs) {
            return mine && theirs && *mine != *theirs;
        };
        const std::optional<TimeRange> hours = settings.workingHours(entry.id);
        if (differs(settings.text(SettingKey::customCityLabels, entry.id), entry.label) ||
            differs(settings.text(SettingKey::customCityEmoji, entry.id), entry.emoji) ||
            (hours && entry.workingHours && *hours != *entry.workingHours))
            changes.differing << entry.id;
    }
    return changes;
}

void apply(const Read& read, AppSettings& settings, bool replaceDiffering)
{
    const AppSettings::Batch batch(settings);
    QStringList tracked = settings.value<QStringList>(SettingKey::trackedCityIDs);
    QStringList order = settings.value<QStringList>(SettingKey::manualOrder);
    AppSettings::StringMap labels = settings.value<AppSettings::StringMap>(SettingKey::customCityLabels);
    AppSettings::StringMap emoji = settings.value<AppSettings::StringMap>(SettingKey::customCityEmoji);
    for (const Entry& entry : read.entries) {
        if (!tracked.contains(entry.id)) {
            tracked << entry.id;
            if (!order.contains(entry.id)) order << entry.id;
        }
        const auto set = [&](AppSettings::StringMap& map, const std::optional<QString>& value) {
            if (value && (replaceDiffering || map.value(entry.id).trimmed().isEmpty())) map.insert(entry.id, *value);
        };
        set(labels, entry.label);
        set(emoji, entry.emoji);
        if (entry.workingHours && (replaceDiffering || !settings.workingHours(entry.id)))
            settings.setWorkingHours(entry.workingHours, entry.id);
    }
    settings.set(SettingKey::trackedCityIDs, tracked);
    settings.set(SettingKey::manualOrder, order);
    settings.set(SettingKey::customCityLabels, labels);
    settings.set(SettingKey::customCityEmoji, emoji);
}

} // namespace CityListFile
