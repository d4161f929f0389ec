#pragma once

#include <QString>

#include <optional>

// Whether Horavia opens when the user logs in: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/org.horavia.Horavia.desktop. The file is the only
// record, so a change made in the desktop's own session settings shows here.
class LoginItem {
public:
    // What the entry passes, so that a start at login leaves the windows closed.
    static inline const QString atLoginArgument = QStringLiteral("--at-login");

    // `entryPath`: the autostart file; `executable`: the program it starts.
    LoginItem(QString entryPath, QString executable);
    // The user's autostart folder and the running executable.
    static LoginItem forApplication();

    // The entry exists and the desktop has not switched it off (Hidden, or
    // X-GNOME-Autostart-enabled=false).
    bool isEnabled() const;
    // Writes (atomically, mode 0644, in a folder made 0700) or removes the
    // entry; a link or anything else not a file of the user's is replaced,
    // never written through. The reason when that failed.
    std::optional<QString> setEnabled(bool enabled);

    // Points an enabled entry at this executable again when the copy was
    // moved since the entry was written (it would start nothing at login).
    // Only an entry this application wrote is rewritten: one the user made
    // is theirs.
    void followMove();

    // The entry's text; nullopt when the executable's path cannot be written
    // in an Exec line (a control character).
    std::optional<QByteArray> entryText() const;

private:
    QString m_entryPath;
    QString m_executable;
};
