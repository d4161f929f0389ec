#include "Reminders.h"

#include "base/Preferences.h"
#include "platform/Notifications.h"
#include "platform/WallClockAlarm.h"
#include "settings/JsonPreferences.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>

namespace {

const QString storeKey = QStringLiteral("reminders");
const QString groupPrefix = QStringLiteral("late:");

QString titleOf(const Reminder& reminder)
{
    return reminder.note.isEmpty() ? QCoreApplication::translate("Reminders", "Reminder") : reminder.note;
}

} // namespace

Reminders::Reminders(Preferences& store, std::unique_ptr<WallClockAlarm> alarm, Notifications* notifications,
                     Environment environment, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_alarm(std::move(alarm))
    , m_notifications(notifications)
    , m_environment(std::move(environment))
    , m_reminders(read(store))
{
    connect(m_alarm.get(), &WallClockAlarm::rang, this, &Reminders::replan);
    connect(m_alarm.get(), &WallClockAlarm::clockMoved, this, &Reminders::replan);
    if (m_notifications) {
        connect(m_notifications, &Notifications::actionInvoked, this, &Reminders::act);
        connect(m_notifications, &Notifications::notShown, this,
                [this](const Notifications::Message& message) { emit undelivered(message.title, message.body); });
    }
}

Reminders::~Reminders() = default;

QString Reminders::defaultFileName()
{
    return QFileInfo(JsonPreferences::defaultFileName()).absolutePath() + QStringLiteral("/reminders.json");
}

QList<Reminder> Reminders::read(const Preferences& store)
{
    return ReminderFile::read(store.object(storeKey));
}

const Reminder* Reminders::find(const QString& id) const
{
    const auto found = std::find_if(m_reminders.cbegin(), m_reminders.cend(),
                                    [&id](const Reminder& reminder) { return reminder.id == id; });
    return found == m_reminders.cend() ? nullptr : &*found;
}

QList<Reminder> Reminders::upcoming() const
{
    const QTimeZone home = m_environment.home();
    QList<Reminder> out;
    for (const Reminder& reminder : m_reminders)
        if (reminder.isPending() && !reminder.missed) out.append(reminder);
    std::stable_sort(out.begin(), out.end(),
                     [&home](const Reminder& a, const Reminder& b) { return a.due(home) < b.due(home); });
    return out;
}

QString Reminders::set(Reminder reminder)
{
    if (reminder.id.isEmpty()) reminder.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    reminder.note = reminder.note.left(ReminderFile::longestNote);
    reminder.setAt = reminder.instant(m_environment.home());
    reminder.snoozedUntil = {};
    reminder.deliveredAt = {};
    reminder.missed = false;
    const auto found = std::find_if(m_reminders.begin(), m_reminders.end(),
                                    [&reminder](const Reminder& kept) { return kept.id == reminder.id; });
    if (found != m_reminders.end())
        *found = reminder;
    else if (m_reminders.size() < ReminderFile::mostReminders)
        m_reminders.append(reminder);
    else
        return {};
    save();
    replan();
    emit changed();
    return reminder.id;
}

void Reminders::remove(const QString& id)
{
    if (m_reminders.removeIf([&id](const Reminder& reminder) { return reminder.id == id; }) == 0) return;
    save();
    replan();
    emit changed();
}

void Reminders::snooze(const QString& id)
{
    for (Reminder& reminder : m_reminders) {
        if (reminder.id != id) continue;
        reminder.snoozedUntil = m_environment.now().addSecs(60 * snoozeMinutes);
        reminder.deliveredAt = {};
        reminder.missed = false;
        save();
        replan();
        emit changed();
        return;
    }
}

void Reminders::homeMayHaveChanged()
{
    if (m_environment.home().id() != m_plannedZone.toUtf8()) replan();
}

void Reminders::replan()
{
    const QDateTime now = m_environment.now();
    const QTimeZone home = m_environment.home();
    m_plannedZone = QString::fromUtf8(home.id());
    QList<int> onTime, late;
    QDateTime next;
    bool marked = false;
    for (qsizetype i = 0; i < m_reminders.size(); ++i) {
        Reminder& reminder = m_reminders[i];
        if (!reminder.isPending() || reminder.missed) continue;
        const QDateTime due = reminder.due(home);
        if (!due.isValid()) continue;
        if (due > now) {
            if (!next.isValid() || due < next) next = due;
            continue;
        }
        const qint64 lateBy = due.secsTo(now);
        if (lateBy >= missedAfterSeconds)
            reminder.missed = true;
        else
            (lateBy <= onTimeSeconds ? onTime : late).append(int(i));
        reminder.deliveredAt = now;
        marked = true;
    }
    // Written before anything is sent: a crash in between loses a message
    // rather than sending it twice.
    if (marked) save();
    if (next.isValid())
        m_alarm->arm(next);
    else
        m_alarm->disarm();
    if (!onTime.isEmpty() || !late.isEmpty()) deliver(onTime, late);
    if (marked) emit changed();
}

void Reminders::deliver(const QList<int>& onTime, const QList<int>& late)
{
    const QTimeZone home = m_environment.home();
    const auto message = [this, &home](const Reminder& reminder, bool isLate) {
        QStringList body{m_environment.describe(reminder)};
        if (isLate)
            body << QCoreApplication::translate(
                "Reminders", "Late: its time came while Horavia was not running or the computer slept.");
        body << m_environment.cities(reminder.instant(home));
        return Notifications::Message{
            reminder.id,
            titleOf(reminder),
            body.join(u'\n'),
            {{QStringLiteral("default"), QCoreApplication::translate("Reminders", "Show")},
             //: A button on a delivered reminder: deliver it again in ten minutes
             {QStringLiteral("snooze"), QCoreApplication::translate("Reminders", "Snooze 10 min")}}};
    };
    QList<Notifications::Message> messages;
    for (int i : onTime)
        messages.append(message(m_reminders.at(i), false));
    if (late.size() == 1) {
        messages.append(message(m_reminders.at(late.first()), true));
    } else if (!late.isEmpty()) {
        QStringList lines;
        for (int i : late)
            lines << titleOf(m_reminders.at(i)) + QStringLiteral(" · ") + m_environment.describe(m_reminders.at(i));
        messages.append(
            {groupPrefix + m_reminders.at(late.first()).id,
             QCoreApplication::translate("Reminders", "%n reminder(s) came while you were away", "", int(late.size())),
             lines.join(u'\n'),
             {{QStringLiteral("default"), QCoreApplication::translate("Reminders", "Show")}}});
    }
    for (const Notifications::Message& each : messages) {
        if (m_notifications)
            m_notifications->show(each);
        else
            emit undelivered(each.title, each.body);
    }
}

void Reminders::act(const QString& key, const QString& action)
{
    const QString id = key.startsWith(groupPrefix) ? key.mid(groupPrefix.size()) : key;
    const Reminder* reminder = find(id);
    if (!reminder) return;
    if (action == QLatin1String("snooze") && !key.startsWith(groupPrefix))
        snooze(id);
    else if (action == QLatin1String("default") || action == QLatin1String("show"))
        emit showRequested(reminder->instant(m_environment.home()));
}

// Every change reaches the disk before anything else happens: a reminder
// set a moment before a crash, or a delivery, is never lost or repeated.
void Reminders::save()
{
    m_store.setObject(ReminderFile::write(m_reminders), storeKey);
    m_store.synchronize();
}
