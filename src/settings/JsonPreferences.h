#pragma once

#include "base/Preferences.h"

#include <QSet>
#include <QTimer>

#include <chrono>
#include <memory>

// Preferences kept in one JSON object on disk, so that booleans, strings,
// arrays and objects keep their types. Every write replaces the file whole
// (written to "<name>.saving", flushed, renamed over it), and nothing else:
// no lock file, so a copy killed at any moment leaves either the old file or
// the new one, never anything a later start must wait for. The temporary
// and the lock files of earlier versions are removed when the store opens.
//
// A file that exists but is not a JSON object is never overwritten in place:
// before the first write it is renamed to "<name>.unreadable-<timestamp>", so
// whatever the user had can still be recovered by hand.
class JsonPreferences final : public Preferences {
public:
    // fileName: the JSON file; its folder is created on the first write.
    explicit JsonPreferences(const QString& fileName);
    // Writes what is still pending, when changes are written by themselves.
    ~JsonPreferences() override;

    // From now on a change is written by itself, `delay` after the first
    // change not yet written (later ones join it): no caller need flush for
    // a value to last. Needs the thread's event loop; nothing is armed
    // while nothing is pending.
    void writeChangesAfter(std::chrono::milliseconds delay);
    bool hasPendingChanges() const { return !m_changed.isEmpty() || !m_removed.isEmpty(); }

    // $XDG_CONFIG_HOME/horavia/settings.json (or ~/.config/horavia/settings.json).
    static QString defaultFileName();
    // The file's values as they are now, for a reader that must change
    // nothing (another copy may be writing): no leftovers removed, nothing
    // set aside, writes kept in memory. An unreadable file reads as empty.
    static std::unique_ptr<Preferences> snapshot(const QString& fileName);

    QVariant object(const QString& key) const override;

    void setObject(const QVariant& value, const QString& key) override;
    void remove(const QString& key) override;
    // Keys written meanwhile by another process are kept; this store's own
    // changes win over them.
    bool synchronize() override;

    QString fileName() const { return m_fileName; }
    // Where an unreadable file was moved to; empty when nothing was moved.
    QString setAsideFileName() const { return m_setAsideFileName; }

private:
    struct Stamp {
        qint64 inode = -1, size = -1, modifiedNs = -1;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    static Stamp stampOf(const QString& fileName);
    void removeLeftovers() const;
    QString writtenFileName() const;
    QString temporaryFileName() const;
    void setAsideUnreadableFile();
    void changed();

    QString m_fileName;
    QString m_setAsideFileName;
    bool m_unreadable = false;
    QVariantMap m_values;
    QVariantMap m_changed;
    QSet<QString> m_removed;
    Stamp m_stamp;                        // of the file as last read or written
    std::unique_ptr<QTimer> m_writeTimer; // when changes are written by themselves
};
