#include "Preferences.h"

std::optional<bool> Preferences::boolean(const QString& key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::Bool) return std::nullopt;
    return value.toBool();
}
