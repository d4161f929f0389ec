#include "ClockEntries.h"

#include "ClockExport.h"
#include "DisplayedTime.h"
#include "platform/SystemLocale.h"
#include "settings/AppSettings.h"

ClockEntries::ClockEntries(AppSettings& settings, const CityDatabase& database, DisplayedTime& time, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_database(database)
    , m_time(time)
{
    m_settings.whenChanged(SettingEffect::rows | SettingEffect::names | SettingEffect::texts | SettingEffect::hours,
                           this, [this] { update(); });
    // Home's hours count even while its row is hidden, and no entry shows them.
    m_settings.whenChanged(SettingEffect::hours, this, [this] { m_runs.clear(); });
    // By time, the order can change with the instant; a change of the
    // system's zone shows at the next tick.
    connect(&m_time, &DisplayedTime::instantChanged, this, &ClockEntries::followInstant);
    connect(&m_time, &DisplayedTime::ticked, this, [this] {
        if (!m_time.isLive()) followInstant(); // live, the instant's change did it
    });
    m_entries = ClockEntry::entries(m_settings, m_time.instant(), homeZone(), m_database);
    m_madeFor = madeFor();
    m_showsOffset = m_settings.value<bool>(SettingKey::showsOffsetFromHome);
    m_rows = rowsOf(m_entries);
}

ClockEntries::MadeFor ClockEntries::madeFor() const
{
    MadeFor made{homeZone().id(), {}};
    if (m_settings.value<SortMode>(SettingKey::sortMode) == SortMode::time) {
        const QDateTime at = m_time.instant();
        made.offsets.reserve(m_entries.size());
        for (const ClockEntry& entry : std::as_const(m_entries))
            made.offsets.append(entry.timeZone.offsetFromUtc(at));
    }
    return made;
}

QTimeZone ClockEntries::homeZone() const
{
    return m_time.homeZone();
}

const QList<ClockRowData>& ClockEntries::rows() const
{
    if (!m_textsMade) {
        makeTexts(m_rows);
        m_textsMade = true;
    }
    return m_rows;
}

QList<ClockRowData> ClockEntries::rowsOf(const QList<ClockEntry>& entries) const
{
    QList<ClockRowData> rows;
    rows.reserve(entries.size());
    const QDateTime at = m_time.instant();
    for (const ClockEntry& entry : entries)
        rows.append({entry.rowContent(at, m_showsOffset), {}});
    return rows;
}

void ClockEntries::makeTexts(QList<ClockRowData>& rows) const
{
    const ClockFormatter texts = formatter();
    for (ClockRowData& row : rows)
        row.texts = ClockRowTexts::of(row.content, texts);
}

void ClockEntries::followInstant()
{
    // Between two instants the list can change only with home's zone or,
    // sorted by time, with a zone's offset. Looking the cities up and
    // sorting them again would cost a tick more than all of its texts.
    if (madeFor() != m_madeFor)
        update();
    else
        refreshTexts();
}

void ClockEntries::update()
{
    QList<ClockEntry> entries = ClockEntry::entries(m_settings, m_time.instant(), homeZone(), m_database);
    const bool showsOffset = m_settings.value<bool>(SettingKey::showsOffsetFromHome);
    if (entries != m_entries || showsOffset != m_showsOffset) {
        m_runs.clear();
        m_entries = std::move(entries);
        m_madeFor = madeFor();
        m_showsOffset = showsOffset;
        m_rows = rowsOf(m_entries);
        m_textsMade = false;
        emit listChanged();
        return;
    }
    m_madeFor = madeFor();
    refreshTexts();
}

void ClockEntries::refreshTexts()
{
    // Nobody has read the texts since the list last changed: they are made
    // when first asked for.
    if (!m_textsMade) {
        m_rows = rowsOf(m_entries);
        return;
    }
    QList<ClockRowData> rows = rowsOf(m_entries);
    makeTexts(rows);
    int first = -1;
    int last = -1;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).texts == m_rows.at(i).texts) continue;
        if (first < 0) first = int(i);
        last = int(i);
    }
    m_rows = std::move(rows);
    if (first >= 0) emit textsChanged(first, last);
}

ClockFormatter ClockEntries::formatter() const
{
    return ClockFormatter(m_settings.value<TimeFormat>(SettingKey::timeFormat),
                          m_settings.value<DateFormat>(SettingKey::dateFormat), homeZone(), SystemLocale::current());
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

const QList<Overlap::Run>& ClockEntries::workingRuns(qint64 from, qint64 until, int columns) const
{
    const auto kept = std::find_if(m_runs.begin(), m_runs.end(), [&](const Runs& runs) {
        return runs.from == from && runs.until == until && runs.columns == columns;
    });
    if (kept != m_runs.end()) return kept->runs;
    if (m_runs.size() >= 4) m_runs.removeLast();
    m_runs.prepend({from, until, columns, Overlap::workingRuns(participants(), from, until, columns)});
    return m_runs.first().runs;
}

QStringList ClockEntries::glanceLines(const QDateTime& at) const
{
    // At the displayed instant (live, the usual case) the rows' texts are the lines'.
    if (at == m_time.instant()) return ClockExport::lines(rows());
    return ClockExport::lines(ClockExport::rowsAt(m_entries, formatter(), at));
}

ClockEntries::TrayTimes ClockEntries::trayTimes() const
{
    const QStringList marked = m_settings.value<QStringList>(SettingKey::trayCityIDs);
    QList<qsizetype> shown;
    for (qsizetype i = 0; i < m_entries.size() && shown.size() < AppSettings::trayCityLimit; ++i)
        if (marked.contains(m_entries.at(i).id)) shown.append(i);
    if (shown.isEmpty())
        for (qsizetype i = 0; i < m_entries.size(); ++i)
            if (m_entries.at(i).kind == ClockEntry::Kind::home) {
                shown.append(i);
                break;
            }
    if (shown.isEmpty()) return {};
    // The widest time the format writes: two-digit hours, and the longer of
    // the day's two halves, with every digit an 8 (digits are of one width).
    const ClockFormatter texts = formatter();
    const QDateTime noon = QDateTime(QDate(2000, 1, 1), QTime(10, 0), QTimeZone::utc());
    QString widest = texts.timeText(noon, QTimeZone::utc());
    if (const QString evening = texts.timeText(noon.addSecs(12 * 3600), QTimeZone::utc());
        evening.size() > widest.size())
        widest = evening;
    for (QChar& c : widest)
        if (c.isDigit()) c = u'8';

    const QList<ClockRowData>& made = rows();
    TrayTimes times;
    QStringList parts;
    QStringList guides;
    for (const qsizetype i : std::as_const(shown)) {
        const ClockEntry& entry = m_entries.at(i);
        const QString time = made.at(i).texts.time;
        // The home zone alone needs no name: it is the user's own time.
        const QString name = entry.emoji                                                 ? *entry.emoji
                             : shown.size() == 1 && entry.kind == ClockEntry::Kind::home ? QString()
                                                                                         : entry.title;
        parts.append(name.isEmpty() ? time : name + QLatin1Char(' ') + time);
        guides.append(name.isEmpty() ? widest : name + QLatin1Char(' ') + widest);
        if (times.first.isEmpty()) times.first = time;
    }
    // A set time is not now: marked, as the strip marks it.
    const QString mark = m_time.isLive() ? QString() : QStringLiteral("◷ ");
    times.text = mark + parts.join(QLatin1Char(' '));
    times.guide = mark + guides.join(QLatin1Char(' '));
    return times;
}

QString ClockEntries::shareLine(const QDateTime& at) const
{
    if (m_entries.isEmpty()) return {};
    // The clocks as --print=line writes them, led by home's date, in the
    // chosen style ("Yesterday / Tomorrow" has none for today): at the end
    // it read as the last city's.
    const DateFormat style = m_settings.value<DateFormat>(SettingKey::dateFormat) == DateFormat::numeric
                                 ? DateFormat::numeric
                                 : DateFormat::abbreviated;
    const ClockFormatter dated(m_settings.value<TimeFormat>(SettingKey::timeFormat), style, homeZone(),
                               SystemLocale::current());
    //: Copy Times: home's date, then every clock on one line ("Thu, Jan 15: London 8:00 PM · Tokyo 5:00 AM tomorrow")
    return tr("%1: %2").arg(
        dated.dayLabel(0, at, homeZone()),
        ClockExport::line(at == m_time.instant() ? rows() : ClockExport::rowsAt(m_entries, formatter(), at)));
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
    const DateFormat style = m_settings.value<DateFormat>(SettingKey::dateFormat) == DateFormat::numeric
                                 ? DateFormat::numeric
                                 : DateFormat::abbreviated;
    const ClockFormatter dated(m_settings.value<TimeFormat>(SettingKey::timeFormat), style, homeZone(),
                               SystemLocale::current());
    return ClockExport::lines(ClockExport::rowsAt(m_entries, dated, at));
}

void ClockEntries::moveToNextOverlap()
{
    const QDateTime from = m_time.instant();
    const QDateTime until =
        std::min(from.addSecs(DisplayedTime::rangeSeconds), m_time.now().addSecs(DisplayedTime::rangeSeconds));
    const Overlap::Answer found = Overlap::answer(participants(), from, until, m_time.stepMinutes(), homeZone());
    m_time.setInstant(found.at, found.note);
}

#include "moc_ClockEntries.cpp"

QList<TimeAnswer::Answer> ClockEntries::answers(const QString& typed) const
{
    const QDateTime now = m_time.now();
    return TimeAnswer::answers(TimePhrase::read(typed, TimeAnswer::context(m_entries, homeZone(), m_database, now)),
                               formatter());
}
