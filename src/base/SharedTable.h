#pragma once

#include <QHash>
#include <QMutex>

#include <optional>

// A table that every thread reads and fills, kept until the process ends.
// Never destroyed, as SharedOnce's values are not, so that a background
// task still asking at exit finds it there. Constant-initialized: a static
// one needs no guard.
template <typename Key, typename Value> class SharedTable {
public:
    constexpr SharedTable() = default;
    SharedTable(const SharedTable&) = delete;
    SharedTable& operator=(const SharedTable&) = delete;

    std::optional<Value> find(const Key& key)
    {
        const QMutexLocker locked(&m_lock);
        if (!m_table) return std::nullopt;
        const auto found = m_table->constFind(key);
        if (found == m_table->cend()) return std::nullopt;
        return *found;
    }

    // Past `limit` entries the table starts afresh.
    void insert(const Key& key, const Value& value, qsizetype limit = 4096)
    {
        const QMutexLocker locked(&m_lock);
        if (!m_table) m_table = new QHash<Key, Value>;
        if (m_table->size() >= limit) m_table->clear();
        m_table->insert(key, value);
    }

private:
    QBasicMutex m_lock;
    QHash<Key, Value>* m_table = nullptr;
};
