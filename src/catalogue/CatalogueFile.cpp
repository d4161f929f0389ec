#include "CatalogueFile.h"

#include <QFile>

#include <simdjson.h>

#include <string>
#include <unordered_map>

namespace CatalogueFile {

namespace {

using namespace simdjson;

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Countries, regions and zone identifiers repeat thousands of times; sharing
// one QString per distinct text keeps the catalogue small, and on a cold
// start every fresh page of memory costs more than the parsing does.
class Interner {
public:
    QString intern(std::string_view text)
    {
        auto it = m_strings.find(text);
        if (it == m_strings.end()) it = m_strings.emplace(std::string(text), toQString(text)).first;
        return it->second;
    }

private:
    struct Hash : std::hash<std::string_view> {
        using is_transparent = void;
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> m_strings;
};

bool readString(ondemand::value value, QString& into)
{
    std::string_view text;
    if (value.get_string().get(text)) return false;
    into = toQString(text);
    return true;
}

bool readShared(ondemand::value value, QString& into, Interner& strings)
{
    std::string_view text;
    if (value.get_string().get(text)) return false;
    into = strings.intern(text);
    return true;
}

bool readAliases(ondemand::value value, QStringList& into)
{
    bool isNull = false;
    if (value.is_null().get(isNull)) return false;
    if (isNull) return true;
    ondemand::array array;
    if (value.get_array().get(array)) return false;
    for (auto element : array) {
        std::string_view text;
        if (element.get_string().get(text)) return false;
        into.append(toQString(text));
    }
    return true;
}

enum Field : unsigned { Id = 1, Name = 2, Region = 4, Country = 8, Latitude = 16, Longitude = 32, Zone = 64 };
constexpr unsigned allRequired = 127;

bool readCity(ondemand::object object, City& city, Interner& strings)
{
    unsigned seen = 0;
    for (auto field : object) {
        std::string_view key;
        ondemand::value value;
        if (field.unescaped_key().get(key) || field.value().get(value)) return false;
        bool ok = true;
        if (key == "i") {
            ok = readString(value, city.id), seen |= Id;
        } else if (key == "n") {
            ok = readString(value, city.name), seen |= Name;
        } else if (key == "r") {
            ok = readShared(value, city.region, strings), seen |= Region;
        } else if (key == "c") {
            ok = readShared(value, city.country, strings), seen |= Country;
        } else if (key == "la") {
            ok = !value.get_double().get(city.latitude), seen |= Latitude;
        } else if (key == "lo") {
            ok = !value.get_double().get(city.longitude), seen |= Longitude;
        } else if (key == "z") {
            ok = readShared(value, city.timeZoneIdentifier, strings), seen |= Zone;
        } else if (key == "a") {
            city.aliases.clear();
            ok = readAliases(value, city.aliases);
        }
        if (!ok) return false;
    }
    return seen == allRequired;
}

bool decodePadded(padded_string_view json, QList<City>& cities)
{
    ondemand::parser parser;
    ondemand::document document;
    if (parser.iterate(json).get(document)) return false;
    ondemand::array array;
    size_t count = 0;
    if (document.get_array().get(array) || array.count_elements().get(count)) return false;

    cities.reserve(cities.size() + qsizetype(count));
    Interner strings;
    for (auto element : array) {
        ondemand::object object;
        if (element.get_object().get(object)) return false;
        City city;
        if (!readCity(object, city, strings)) return false;
        cities.append(std::move(city));
    }
    // Anything after the closing bracket means the file is not one JSON value.
    const char* trailing = nullptr;
    return document.current_location().get(trailing) != SUCCESS;
}

} // namespace

std::optional<QList<City>> decode(QByteArrayView json)
{
    const padded_string padded(json.data(), size_t(json.size()));
    QList<City> cities;
    if (!decodePadded(padded, cities)) return std::nullopt;
    return cities;
}

bool load(const QString& fileName, QList<City>& cities)
{
    // Read straight into a padded buffer so the text is not copied again.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    padded_string buffer(size_t(std::max<qint64>(size, 0)));
    if (size < 0 || file.read(buffer.data(), size) != size) return false;
    return decodePadded(buffer, cities);
}

} // namespace CatalogueFile
