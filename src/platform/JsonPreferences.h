#pragma once

#include "Preferences.h"

#include <QSettings>

#include <memory>

// Preferences kept in one JSON object on disk, through QSettings with a JSON
// format so that booleans, strings, arrays and objects keep their types.
// QSettings writes through QSaveFile, so a crash mid-write leaves the old file.
//
// A file that exists but is not a JSON object is never overwritten in place:
// before the first write it is renamed to "<name>.unreadable-<timestamp>", so
// whatever the user had can still be recovered by hand.
class JsonPreferences final : public Preferences {
public:
    // fileName: the JSON file; its folder is created on the first write.
    explicit JsonPreferences(const QString& fileName);
    ~JsonPreferences() override;

    // $XDG_CONFIG_HOME/horavia/settings.json (or ~/.config/horavia/settings.json).
    static QString defaultFileName();

    QVariant object(const QString& key) const override;

    void setObject(const QVariant& value, const QString& key) override;
    void remove(const QString& key) override;
    bool synchronize() override;

    QString fileName() const { return m_fileName; }
    // Where an unreadable file was moved to; empty when nothing was moved.
    QString setAsideFileName() const { return m_setAsideFileName; }

private:
    void setAsideUnreadableFile();

    QString m_fileName;
    QString m_setAsideFileName;
    bool m_unreadable = false;
    std::unique_ptr<QSettings> m_settings;
};
