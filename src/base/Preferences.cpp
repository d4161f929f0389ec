#include "Preferences.h"

std::optional<bool> Preferences::asBoolean(const QVariant& value)
{
    if (value.typeId() != QMetaType::Bool) return std::nullopt;
    return value.toBool();
}

std::optional<QString> Preferences::asString(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

std::optional<QStringList> Preferences::asStringArray(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList) return value.toStringList();
    if (value.typeId() != QMetaType::QVariantList) return std::nullopt;
    QStringList strings;
    const QVariantList list = value.toList();
    strings.reserve(list.size());
    for (const QVariant& element : list) {
        if (element.typeId() != QMetaType::QString) return std::nullopt;
        strings.append(element.toString());
    }
    return strings;
}

std::optional<QVariantMap> Preferences::asDictionary(const QVariant& value)
{
    if (value.typeId() != QMetaType::QVariantMap) return std::nullopt;
    return value.toMap();
}

std::optional<bool> Preferences::boolean(const QString& key) const
{
    return asBoolean(object(key));
}

std::optional<QString> Preferences::string(const QString& key) const
{
    return asString(object(key));
}

std::optional<QStringList> Preferences::stringArray(const QString& key) const
{
    return asStringArray(object(key));
}

std::optional<QVariantMap> Preferences::dictionary(const QString& key) const
{
    return asDictionary(object(key));
}
