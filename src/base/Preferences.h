#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// The application's persistent preferences domain: a flat map from key to a
// property-list-like value (bool, string, list of strings, string map).
// Reads are typed and never fail: a missing key or a value of another type
// gives no value. Writes take effect immediately in memory; synchronize()
// makes them durable.
class Preferences {
public:
    virtual ~Preferences() = default;

    // Any stored value; an invalid QVariant when the key is missing.
    virtual QVariant object(const QString& key) const = 0;
    virtual void setObject(const QVariant& value, const QString& key) = 0;
    virtual void remove(const QString& key) = 0;
    // Writes pending changes to disk; false when the write failed.
    virtual bool synchronize() = 0;

    // object() narrowed to one type; a value of any other type counts as missing.
    std::optional<bool> boolean(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    // A list whose every element is a string.
    std::optional<QStringList> stringArray(const QString& key) const;
    // A dictionary, whatever its values' types.
    std::optional<QVariantMap> dictionary(const QString& key) const;

    // The same narrowings, of a value already read.
    static std::optional<bool> asBoolean(const QVariant& value);
    static std::optional<QString> asString(const QVariant& value);
    static std::optional<QStringList> asStringArray(const QVariant& value);
    static std::optional<QVariantMap> asDictionary(const QVariant& value);
};
