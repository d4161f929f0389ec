#include "Preferences.h"

std::optional<bool> Preferences::boolean(const QString& key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::Bool) return std::nullopt;
    return value.toBool();
}

std::optional<QString> Preferences::string(const QString& key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

std::optional<QStringList> Preferences::stringArray(const QString& key) const
{
    const QVariant value = object(key);
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

std::optional<QVariantMap> Preferences::dictionary(const QString& key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QVariantMap) return std::nullopt;
    return value.toMap();
}
