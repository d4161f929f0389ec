#include "WorldLand.h"

#include "base/SharedOnce.h"
#include "platform/Bundle.h"

#include <QFile>

#include <simdjson.h>

WorldLand WorldLand::load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decode(file.readAll());
}

WorldLand WorldLand::decode(QByteArrayView json)
{
    using namespace simdjson;
    dom::parser parser;
    dom::element root;
    dom::array rings;
    if (parser.parse(json.data(), size_t(json.size()), true).get(root) || !root.is_object() ||
        root["rings"].get_array().get(rings))
        return {};

    WorldLand land;
    land.rings.reserve(qsizetype(rings.size()));
    for (const dom::element ring : rings) {
        dom::array numbers;
        if (ring.get_array().get(numbers)) return {};
        std::vector<double> values;
        values.reserve(numbers.size());
        for (const dom::element number : numbers) {
            double value = 0;
            if (number.get_double().get(value)) return {};
            values.push_back(value);
        }
        // Pairs of longitude and latitude; an unpaired last number is ignored.
        QList<Coordinate> vertices;
        vertices.reserve(qsizetype(values.size() / 2));
        for (size_t i = 0; i + 1 < values.size(); i += 2)
            vertices.append({values[i], values[i + 1]});
        land.rings.append(std::move(vertices));
    }
    return land;
}

const WorldLand& WorldLand::shared()
{
    static SharedOnce<WorldLand> land;
    return land.get([] {
        return std::make_unique<WorldLand>(
            load(Bundle::resourcePath(QStringLiteral("world-land"), QStringLiteral("json"))));
    });
}
