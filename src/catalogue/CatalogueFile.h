#pragma once

#include "City.h"

#include <QByteArrayView>
#include <QList>

#include <optional>

// Decodes the catalogue file: a JSON array of objects with the keys "i", "n",
// "r", "c", "z" (strings), "la", "lo" (numbers) and the optional "a" (array of
// strings, or null). Any missing required key or value of the wrong type makes
// the whole file unreadable: there is no partial load. Time zones are left
// unresolved: opening one reads its tz file, and the database opens them
// only when needed.
namespace CatalogueFile {

std::optional<QList<City>> decode(QByteArrayView json);

// Reads and decodes a file, appending its records to `cities`; false when it
// cannot be read or decoded (some records may have been appended).
bool load(const QString& fileName, QList<City>& cities);

} // namespace CatalogueFile
