#include "ClockEntries.h"

#include "ClockExport.h"
#include "DisplayedTime.h"
#include "platform/SystemLocale.h"
#include "settings/AppSettings.h"

#include <QLocale>

ClockEntries::ClockEntries(AppSettings& settings, const CityDatabase& database, DisplayedTime& time, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_database(database)
    , m_time(time)
{
    for (auto signal :
         {&AppSettings::trackedCityIDsChanged, &AppSettings::manualOrderChanged, &AppSettings::sortModeChanged,
          &AppSettings::showsHomeZoneChanged, &AppSettings::showsFlagsChanged, &AppSettings::customLabelsChanged,
          &AppSettings::customEmojiChanged, &AppSettings::workingHoursChanged})
        connect(&m_settings, signal, this, &ClockEntries::rebuild);
    // By time, the order can change with the instant; a change of the
    // system's zone shows at the next tick.
    connect(&m_time, &DisplayedTime::instantChanged, this, &ClockEntries::rebuild);
    connect(&m_time, &DisplayedTime::ticked, this, [this] {
        if (!m_time.isLive()) rebuild(); // live, the instant's change did it
    });
    m_entries = ClockEntry::entries(m_settings, m_time.instant(), homeZone(), m_database);
}

QTimeZone ClockEntries::homeZone() const
{
    return m_time.homeZone();
}

void ClockEntries::rebuild()
{
    QList<ClockEntry> entries = ClockEntry::entries(m_settings, m_time.instant(), homeZone(), m_database);
    if (entries == m_entries) return;
    m_entries = std::move(entries);
    emit changed();
}

ClockFormatter ClockEntries::formatter() const
{
    return ClockFormatter(m_settings.timeFormat(), m_settings.dateFormat(), homeZone(), SystemLocale::current());
}

QList<City> ClockEntries::trackedCities() const
{
    QList<City> cities;
    for (const ClockEntry& entry : m_entries)
        if (entry.city) cities.append(*entry.city);
    return cities;
}

QList<Overlap::Participant> ClockEntries::participants() const
{
    QList<Overlap::Participant> all;
    bool hasHome = false;
    for (const ClockEntry& entry : m_entries) {
        all.append({entry.title, entry.timeZone, entry.schedule});
        hasHome = hasHome || entry.kind == ClockEntry::Kind::home;
    }
    // Home takes part even when its row is hidden.
    if (!hasHome) {
        const QTimeZone home = homeZone();
        all.prepend({QString::fromUtf8(home.id()), home, m_settings.scheduleFor(QStringLiteral("home"), {})});
    }
    return all;
}

QStringList ClockEntries::glanceLines(const QDateTime& at) const
{
    return ClockExport::lines(m_entries, formatter(), at);
}

QString ClockEntries::shareLine(const QDateTime& at) const
{
    const ClockFormatter texts = formatter();
    QStringList clocks;
    for (const ClockEntry& entry : m_entries) {
        QString clock = texts.timeText(at, entry.timeZone) + QLatin1Char(' ') + entry.title;
        if (const int days = texts.dayOffset(at, entry.timeZone); days != 0)
            clock += QLatin1Char(' ') + texts.dayLabel(days, at, entry.timeZone);
        clocks.append(clock);
    }
    if (clocks.isEmpty()) return {};
    // Home's date as a date, in the chosen style ("Yesterday / Tomorrow" has none for today).
    const DateFormat style = texts.dateFormat() == DateFormat::numeric ? DateFormat::numeric : DateFormat::abbreviated;
    const ClockFormatter dated(m_settings.timeFormat(), style, homeZone(), SystemLocale::current());
    return clocks.join(QStringLiteral(" · ")) + QStringLiteral(" (") + dated.dayLabel(0, at, homeZone()) +
           QLatin1Char(')');
}

QDateTime ClockEntries::eventStart() const
{
    const QDateTime at = m_time.instant();
    const int step = m_time.stepMinutes();
    if (!m_time.isLive() || TimeGrid::isAligned(at, step, homeZone())) return at;
    return TimeGrid::aligned(at, 1, step, homeZone());
}

QStringList ClockEntries::datedLines(const QDateTime& at) const
{
    const DateFormat style =
        m_settings.dateFormat() == DateFormat::numeric ? DateFormat::numeric : DateFormat::abbreviated;
    return ClockExport::lines(m_entries,
                              ClockFormatter(m_settings.timeFormat(), style, homeZone(), SystemLocale::current()), at);
}

void ClockEntries::moveToNextOverlap()
{
    const QDateTime from = m_time.instant();
    const QDateTime until =
        std::min(from.addSecs(DisplayedTime::rangeSeconds), m_time.now().addSecs(DisplayedTime::rangeSeconds));
    const std::optional<Overlap::Found> found =
        Overlap::next(participants(), from, until, m_time.stepMinutes(), homeZone());
    if (!found) {
        m_time.setInstant(from, QStringLiteral("Nobody works in the next 7 days."));
        return;
    }
    QString note;
    if (!found->isFull)
        note = QStringLiteral("No full overlap in the next 7 days; outside working hours here: %1.")
                   .arg(QLocale().createSeparatedList(found->outside));
    m_time.setInstant(found->start, note);
}

#include "moc_ClockEntries.cpp"
