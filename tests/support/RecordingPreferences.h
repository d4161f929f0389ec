#pragma once

#include "base/Preferences.h"

#include <QVariantMap>

// An in-memory preferences domain that records every write, so tests can
// check what was written and that each write was synchronised.
class RecordingPreferences final : public Preferences {
public:
    explicit RecordingPreferences(QVariantMap stored = {})
        : values(std::move(stored))
    {
    }

    QVariantMap values;
    QStringList writes; // keys, in order of setObject/remove
    int synchronizations = 0;
    bool failWrites = false; // as a full disk or a read-only folder would

    QVariant object(const QString& key) const override { return values.value(key); }
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
        return !failWrites;
    }
};
