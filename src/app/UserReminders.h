#pragma once

#include <memory>

class ClockEntries;
class JsonPreferences;
class Notifications;
class Reminders;

// The user's reminders as the running application keeps them: in a file of
// their own beside the settings, told through the desktop's notifications,
// and described with the clocks' own words and zones.
class UserReminders {
public:
    explicit UserReminders(const ClockEntries& entries);
    ~UserReminders();

    Reminders& reminders() const { return *m_reminders; }

private:
    std::unique_ptr<JsonPreferences> m_file;
    std::unique_ptr<Notifications> m_notifications;
    std::unique_ptr<Reminders> m_reminders;
};
