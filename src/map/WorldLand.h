#pragma once

#include "Coordinate.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Outlines of the land masses, each a closed ring of vertices (the closing
// edge is implied). Filled together with the non-zero rule, so a ring inside
// another and wound the other way is a hole.
struct WorldLand {
    QList<QList<Coordinate>> rings;

    // The outline file: {"rings": [[lon, lat, lon, lat, ...], ...]}. Anything
    // unreadable gives no rings.
    static WorldLand load(const QString& fileName);
    static WorldLand decode(QByteArrayView json);

    // The outlines shipped in the application's resources, loaded on first use.
    static const WorldLand& shared();
};
