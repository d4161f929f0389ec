#pragma once

#include "platform/Preferences.h"

#include <QVariantMap>

// An in-memory preferences domain that records every write, so tests can
// check what was written and that each write was synchronised.
class RecordingPreferences final : public Preferences {
public:
    QVariantMap values;
    QStringList writes; // keys, in order of setObject/remove
    int synchronizations = 0;

    std::optional<QStringList> stringArray(const QString& key) const override
    {
        const QVariant value = values.value(key);
        if (value.typeId() == QMetaType::QStringList) return value.toStringList();
        if (value.typeId() != QMetaType::QVariantList) return std::nullopt;
        QStringList strings;
        for (const QVariant& element : value.toList()) {
            if (element.typeId() != QMetaType::QString) return std::nullopt;
            strings.append(element.toString());
        }
        return strings;
    }
    std::optional<QString> string(const QString& key) const override
    {
        const QVariant value = values.value(key);
        return value.typeId() == QMetaType::QString ? std::optional(value.toString()) : std::nullopt;
    }
    QVariant object(const QString& key) const override { return values.value(key); }
    std::optional<QVariantMap> dictionary(const QString& key) const override
    {
        const QVariant value = values.value(key);
        return value.typeId() == QMetaType::QVariantMap ? std::optional(value.toMap()) : std::nullopt;
    }
    void setObject(const QVariant& value, const QString& key) override
    {
        values.insert(key, value);
        writes.append(key);
    }
    void remove(const QString& key) override
    {
        values.remove(key);
        writes.append(key);
    }
    bool synchronize() override
    {
        ++synchronizations;
        return true;
    }
};
