#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

// One entry of the city catalogue. Immutable once built; the id is the key
// every stored setting uses.
struct City {
    QString id;
    QString name;
    QString region;             // may be empty
    QString country;            // English name, as the catalogue writes it
    double latitude = 0;        // degrees, north positive
    double longitude = 0;       // degrees, east positive
    QString timeZoneIdentifier; // as written in the catalogue, even when unknown
    QStringList aliases;
    // From the system tz database; offset zero when it does not know the identifier.
    QTimeZone timeZone;
    // The place and its country in the user's language ("ロンドン, イギリス"),
    // where ICU's data names it there; else empty, and the catalogue's
    // English name and region are shown. Never stored: ids are the keys.
    QString localName;

    // The built-in universal-time entry, first in every loaded catalogue.
    static const City& utc();

    // The name in the user's language with its country, else "Name" or
    // "Name, Region" as the catalogue has them: one language, never half and half.
    QString displayName() const;
    // "Name" or "Name, Region" as the catalogue has them.
    QString catalogueName() const;

    friend bool operator==(const City& a, const City& b);
};

// The zone with this identifier from the system tz database, or the fixed
// zone with offset zero when the system does not know it.
QTimeZone resolveTimeZone(const QByteArray& identifier);

// The flag emoji of a country, given its English name; none when the name is
// unknown or empty.
std::optional<QString> flagEmoji(const QString& country);

// The two-letter region code of a country, given its English name; empty
// when the name is unknown.
QString regionCodeOf(const QString& country);

// The flag built from a two-letter region code ("CI" gives the Ivory Coast
// flag); none when the code is empty or cannot form one.
std::optional<QString> flagEmojiForRegion(const QString& regionCode);

// The form under which country names are matched: folded, "&" as "and",
// "saint" as "st", "the" removed, then only letters and digits kept.
QString normalizedCountryName(const QString& country);
