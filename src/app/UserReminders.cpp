#include "UserReminders.h"

#include "clock/ClockEntries.h"
#include "platform/Notifications.h"
#include "platform/WallClockAlarm.h"
#include "reminder/ReminderText.h"
#include "reminder/Reminders.h"
#include "settings/JsonPreferences.h"

UserReminders::UserReminders(const ClockEntries& entries)
    : m_file(std::make_unique<JsonPreferences>(Reminders::defaultFileName()))
    , m_notifications(Notifications::forDesktop(QStringLiteral("org.horavia.Horavia")))
{
    // Written as they are set, as the settings are.
    m_file->writeChangesAfter(std::chrono::milliseconds(500));
    Reminders::Environment environment;
    environment.now = [] { return QDateTime::currentDateTimeUtc(); };
    environment.home = [&entries] { return entries.homeZone(); };
    environment.describe = [&entries](const Reminder& reminder) {
        return ReminderText::describe(reminder, entries.formatter(), QDateTime::currentDateTimeUtc());
    };
    environment.cities = [&entries](const QDateTime& at) { return entries.datedLines(at); };
    m_reminders =
        std::make_unique<Reminders>(*m_file, WallClockAlarm::create(), m_notifications.get(), std::move(environment));
}

UserReminders::~UserReminders() = default;
