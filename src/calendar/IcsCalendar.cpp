#include "IcsCalendar.h"

#include "time/WallTime.h"

#include <QHash>
#include <QSet>

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <libical/ical.h>

namespace {

// A date or time as the file writes it, with the zone it names.
struct Stamp {
    icaltimetype wall = icaltime_null_time();
    QString tzid;
    bool present() const { return !icaltime_is_null_time(wall); }
    bool isDate() const { return wall.is_date != 0; }
};

struct Event {
    QString uid;
    QString title;
    bool cancelled = false;
    QStringList declinedBy; // addresses, lower case
    Stamp start;
    Stamp end;
    std::optional<int> durationSeconds;
    QList<icalrecurrencetype> rules;
    QList<Stamp> exdates;
    QList<Stamp> rdates;
    Stamp recurrenceId;
};

// A zone as a file names it: the system's, or the file's own definition.
struct Zone {
    QTimeZone system;
    icaltimezone* own = nullptr;
};

QString text(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

Stamp stampOf(icalproperty* property, icaltimetype wall)
{
    Stamp stamp{wall, {}};
    if (icaltime_is_utc(wall))
        stamp.tzid = QStringLiteral("UTC");
    else if (icalparameter* zone = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER))
        stamp.tzid = text(icalparameter_get_tzid(zone));
    // Only the fields are kept: the zone, if any, is looked up by its name.
    stamp.wall.zone = nullptr;
    return stamp;
}

QString address(const char* value)
{
    QString found = text(value).trimmed().toLower();
    if (found.startsWith(QLatin1String("mailto:"))) found = found.mid(7);
    return found;
}

// A zone of the tz database named by a TZID: as it stands, after a
// publisher's prefix ("/freeassociation.sourceforge.net/Tzfile/Asia/Tokyo"),
// or a Windows zone's name through ICU's table ("W. Europe Standard Time").
QTimeZone systemZone(const QString& tzid)
{
    const auto known = [](const QString& id) {
        const QByteArray bytes = id.toUtf8();
        return QTimeZone::isTimeZoneIdAvailable(bytes) ? QTimeZone(bytes) : QTimeZone();
    };
    if (QTimeZone zone = known(tzid); zone.isValid()) return zone;
    for (qsizetype slash = tzid.indexOf(u'/'); slash >= 0; slash = tzid.indexOf(u'/', slash + 1))
        if (QTimeZone zone = known(tzid.mid(slash + 1)); zone.isValid() && zone.id().contains('/')) return zone;
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString iana;
    icu::TimeZone::getIDForWindowsID(
        icu::UnicodeString(reinterpret_cast<const UChar*>(tzid.utf16()), int32_t(tzid.size())), nullptr, iana, status);
    if (U_SUCCESS(status) && !iana.isEmpty()) {
        std::string id;
        iana.toUTF8String(id);
        return known(QString::fromStdString(id));
    }
    return {};
}

// Checks the file's shape before libical reads it: its size, how many
// components it has and how deep they nest.
QString shapeProblem(const QByteArray& bytes, const IcsLimits& limits)
{
    if (bytes.size() > limits.bytes) return QStringLiteral("the file is larger than %1 bytes").arg(limits.bytes);
    int depth = 0;
    int components = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(at, end - at).trimmed();
        if (line.size() >= 6 && qstrnicmp(line.data(), "BEGIN:", 6) == 0) {
            if (++depth > limits.depth) return QStringLiteral("components nest deeper than %1").arg(limits.depth);
            if (++components > limits.components)
                return QStringLiteral("the file has more than %1 components").arg(limits.components);
        } else if (line.size() >= 4 && qstrnicmp(line.data(), "END:", 4) == 0) {
            depth = std::max(0, depth - 1);
        }
        at = end + 1;
    }
    return {};
}

} // namespace

struct IcsCalendar::Data {
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> root{nullptr, icalcomponent_free};
    QString name;
    QList<Event> events; // masters and lone events
    QHash<QString, QList<Event>> overrides;
    QHash<QString, Zone> zones;
    IcsLimits limits;

    void addCalendar(icalcomponent* calendar);
    Event eventOf(icalcomponent* component, icalcomponent* calendar);
    void learnZone(const QString& tzid, icalcomponent* calendar);
};

void IcsCalendar::Data::learnZone(const QString& tzid, icalcomponent* calendar)
{
    if (tzid.isEmpty() || zones.contains(tzid)) return;
    Zone zone{systemZone(tzid), nullptr};
    if (!zone.system.isValid()) zone.own = icalcomponent_get_timezone(calendar, tzid.toUtf8().constData());
    zones.insert(tzid, zone);
}

Event IcsCalendar::Data::eventOf(icalcomponent* component, icalcomponent* calendar)
{
    Event event;
    event.uid = text(icalcomponent_get_uid(component));
    event.title = text(icalcomponent_get_summary(component)).trimmed();
    event.cancelled = icalcomponent_get_status(component) == ICAL_STATUS_CANCELLED;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        switch (icalproperty_isa(p)) {
        case ICAL_DTSTART_PROPERTY:
            event.start = stampOf(p, icalproperty_get_dtstart(p));
            break;
        case ICAL_DTEND_PROPERTY:
            event.end = stampOf(p, icalproperty_get_dtend(p));
            break;
        case ICAL_DURATION_PROPERTY:
            event.durationSeconds = icaldurationtype_as_int(icalproperty_get_duration(p));
            break;
        case ICAL_RRULE_PROPERTY:
            event.rules.append(icalproperty_get_rrule(p));
            break;
        case ICAL_EXDATE_PROPERTY:
            event.exdates.append(stampOf(p, icalproperty_get_exdate(p)));
            break;
        case ICAL_RDATE_PROPERTY: {
            const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
            event.rdates.append(stampOf(p, icaltime_is_null_time(value.time) ? value.period.start : value.time));
            break;
        }
        case ICAL_RECURRENCEID_PROPERTY:
            event.recurrenceId = stampOf(p, icalproperty_get_recurrenceid(p));
            break;
        case ICAL_ATTENDEE_PROPERTY:
            if (icalparameter* state = icalproperty_get_first_parameter(p, ICAL_PARTSTAT_PARAMETER);
                state && icalparameter_get_partstat(state) == ICAL_PARTSTAT_DECLINED)
                event.declinedBy.append(address(icalproperty_get_attendee(p)));
            break;
        default:
            break;
        }
    }
    for (const Stamp* stamp : {&event.start, &event.end, &event.recurrenceId})
        learnZone(stamp->tzid, calendar);
    for (const QList<Stamp>* list : {&event.exdates, &event.rdates})
        for (const Stamp& stamp : *list)
            learnZone(stamp.tzid, calendar);
    return event;
}

void IcsCalendar::Data::addCalendar(icalcomponent* calendar)
{
    if (name.isEmpty())
        for (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); p;
             p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY))
            if (qstricmp(icalproperty_get_x_name(p), "X-WR-CALNAME") == 0) name = text(icalproperty_get_x(p)).trimmed();
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        Event event = eventOf(c, calendar);
        if (!event.start.present()) continue; // RFC 5545 requires one where there is no METHOD
        if (event.recurrenceId.present() && !event.uid.isEmpty())
            overrides[event.uid].append(std::move(event));
        else
            events.append(std::move(event));
    }
}

IcsCalendar::IcsCalendar(std::shared_ptr<const Data> data)
    : m_data(std::move(data))
{
}

std::optional<IcsCalendar> IcsCalendar::read(const QByteArray& bytes, QString* error, const IcsLimits& limits)
{
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    if (const QString problem = shapeProblem(bytes, limits); !problem.isEmpty()) return fail(problem);
    // Errors are marked in the parsed tree (X-LIC-ERROR), never fatal.
    icalerror_set_errors_are_fatal(0);
    auto data = std::make_shared<Data>();
    data->limits = limits;
    const QByteArray terminated = bytes; // libical reads up to a NUL
    data->root.reset(icalparser_parse_string(terminated.constData()));
    icalcomponent* root = data->root.get();
    if (!root) return fail(QStringLiteral("not an iCalendar file"));
    switch (icalcomponent_isa(root)) {
    case ICAL_VCALENDAR_COMPONENT:
        data->addCalendar(root);
        break;
    case ICAL_XROOT_COMPONENT:
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            data->addCalendar(c);
        break;
    default:
        return fail(QStringLiteral("not an iCalendar file"));
    }
    return IcsCalendar(std::move(data));
}

QString IcsCalendar::name() const
{
    return m_data->name;
}

void IcsCalendar::setOwnAddresses(const QStringList& addresses)
{
    m_ownAddresses.clear();
    for (const QString& one : addresses)
        m_ownAddresses.append(address(one.toUtf8().constData()));
}

int IcsCalendar::eventCount() const
{
    return int(m_data->events.size());
}

namespace {

enum class Gap {
    before, // read with the offset from before the gap (a DTSTART, RFC 5545 §3.3.5)
    skip,   // no such occurrence (one a rule makes, §3.3.10)
};

class Expansion {
public:
    Expansion(const IcsCalendar::Data& data, const QTimeZone& home)
        : m_data(data)
        , m_home(home)
    {
    }

    // The instant a date-time names; none for a time its zone skips, where `gap` says so.
    std::optional<QDateTime> instant(const icaltimetype& wall, const QString& tzid, Gap gap) const
    {
        const Zone zone = tzid.isEmpty() ? Zone{m_home, nullptr} : m_data.zones.value(tzid);
        if (zone.own) {
            icaltimetype floating = wall;
            floating.zone = nullptr;
            return QDateTime::fromSecsSinceEpoch(qint64(icaltime_as_timet_with_zone(floating, zone.own)), Qt::UTC);
        }
        // An unknown zone with no definition in the file: read as the home zone's.
        const QTimeZone& system = zone.system.isValid() ? zone.system : m_home;
        const QList<QDateTime> found = WallTime::instants(dateOf(wall), timeOf(wall), system);
        if (!found.isEmpty()) return found.first(); // a repeated time: its first occurrence
        if (gap == Gap::skip) return std::nullopt;
        const QDateTime naive(dateOf(wall), timeOf(wall), Qt::UTC);
        return naive.addSecs(-system.offsetFromUtc(naive.addDays(-1)));
    }

    // The wall time at `at` in the zone of a stamp (for a rule's bounds).
    icaltimetype wallAt(const QDateTime& at, const QString& tzid) const
    {
        const Zone zone = tzid.isEmpty() ? Zone{m_home, nullptr} : m_data.zones.value(tzid);
        icaltimetype wall;
        if (zone.own) {
            wall = icaltime_from_timet_with_zone(time_t(at.toSecsSinceEpoch()), 0, zone.own);
        } else {
            const QDateTime local = at.toTimeZone(zone.system.isValid() ? zone.system : m_home);
            wall = icaltime_null_time();
            wall.year = local.date().year();
            wall.month = local.date().month();
            wall.day = local.date().day();
            wall.hour = local.time().hour();
            wall.minute = local.time().minute();
            wall.second = local.time().second();
        }
        wall.zone = nullptr;
        return wall;
    }

    QDateTime dayStart(QDate day) const { return WallTime::firstAtOrAfter(day, QTime(0, 0), m_home); }

    static QDate dateOf(const icaltimetype& t) { return QDate(t.year, t.month, t.day); }
    static QTime timeOf(const icaltimetype& t) { return t.is_date ? QTime(0, 0) : QTime(t.hour, t.minute, t.second); }

private:
    const IcsCalendar::Data& m_data;
    QTimeZone m_home;
};

// An occurrence before overrides and exclusions: its start, by instant or by date.
struct Candidate {
    QDateTime start; // timed events
    QDate day;       // all-day events
    bool operator==(const Candidate&) const = default;
};

} // namespace

QList<Occurrence> IcsCalendar::expand(const QDateTime& from, const QDateTime& to, const QTimeZone& home) const
{
    const Data& data = *m_data;
    const Expansion at(data, home);
    QList<Occurrence> out;
    QStringList own = m_ownAddresses;
    if (data.name.contains(u'@')) own.append(address(data.name.toUtf8().constData()));
    const auto declined = [&own](const Event& event) {
        return std::any_of(event.declinedBy.begin(), event.declinedBy.end(),
                           [&own](const QString& who) { return own.contains(who); });
    };
    const auto skipped = [&declined](const Event& event) { return event.cancelled || declined(event); };

    // One occurrence of `event` starting at `candidate`, if it overlaps the span.
    const auto add = [&](const Event& event, const Candidate& candidate, qint64 lengthSeconds, int days) {
        Occurrence occurrence;
        occurrence.uid = event.uid;
        occurrence.title = event.title;
        if (event.start.isDate()) {
            occurrence.allDay = true;
            occurrence.firstDay = candidate.day;
            occurrence.lastDay = candidate.day.addDays(std::max(days, 1) - 1);
            occurrence.start = at.dayStart(occurrence.firstDay);
            occurrence.end = at.dayStart(occurrence.lastDay.addDays(1));
        } else {
            occurrence.start = candidate.start;
            occurrence.end = candidate.start.addSecs(std::max<qint64>(lengthSeconds, 0));
        }
        const bool overlaps =
            occurrence.start < to &&
            (occurrence.end > from || (occurrence.end == occurrence.start && occurrence.start >= from));
        if (overlaps && out.size() < data.limits.occurrences) out.append(std::move(occurrence));
    };
    // An event's length: to its end, exact (RFC 5545 §3.3.6), or its days for a date.
    const auto length = [&at](const Event& event, const std::optional<QDateTime>& start, qint64* seconds, int* days) {
        *seconds = 0;
        *days = 1;
        if (event.start.isDate()) {
            if (event.end.present())
                *days = int(Expansion::dateOf(event.start.wall).daysTo(Expansion::dateOf(event.end.wall)));
            else if (event.durationSeconds)
                *days = *event.durationSeconds / 86400;
            return;
        }
        if (event.end.present() && start) {
            if (const auto end = at.instant(event.end.wall, event.end.tzid, Gap::before))
                *seconds = start->secsTo(*end);
        } else if (event.durationSeconds) {
            *seconds = *event.durationSeconds;
        }
    };

    for (const Event& event : data.events) {
        if (skipped(event)) continue;
        const bool allDay = event.start.isDate();
        const std::optional<QDateTime> first =
            allDay ? std::optional(QDateTime()) : at.instant(event.start.wall, event.start.tzid, Gap::before);
        if (!first) continue;
        qint64 seconds = 0;
        int days = 1;
        length(event, first, &seconds, &days);
        const auto keyOf = [&](const icaltimetype& wall, const QString& tzid, Gap gap) -> std::optional<Candidate> {
            if (allDay || wall.is_date) return Candidate{{}, Expansion::dateOf(wall)};
            const auto instant = at.instant(wall, tzid, gap);
            if (!instant) return std::nullopt;
            return Candidate{*instant, {}};
        };

        QList<Candidate> candidates{allDay ? Candidate{{}, Expansion::dateOf(event.start.wall)}
                                           : Candidate{*first, {}}};
        // Rules run in the event's own wall time, so that a weekly 9:00 stays 9:00 across a change.
        const QDateTime lookBack = from.addSecs(-std::max<qint64>(seconds, qint64(days) * 86400) - 86400);
        const icaltimetype endWall = at.wallAt(to.addDays(1), event.start.tzid);
        for (icalrecurrencetype rule : event.rules) {
            // An UNTIL in UTC bounds wall times read in the event's zone.
            if (!icaltime_is_null_time(rule.until) && !rule.until.is_date && icaltime_is_utc(rule.until))
                rule.until = at.wallAt(QDateTime(Expansion::dateOf(rule.until), Expansion::timeOf(rule.until), Qt::UTC),
                                       event.start.tzid);
            icaltimetype start = event.start.wall;
            start.zone = nullptr;
            std::unique_ptr<icalrecur_iterator, void (*)(icalrecur_iterator*)> steps(
                icalrecur_iterator_new(rule, start), icalrecur_iterator_free);
            if (!steps) continue;
            // Without a COUNT the rule can start near the span instead of at its first occurrence.
            if (rule.count == 0 && !allDay) {
                icaltimetype near = at.wallAt(lookBack, event.start.tzid);
                if (icaltime_compare(near, start) > 0) icalrecur_iterator_set_start(steps.get(), near);
            }
            for (int step = 0; step < data.limits.stepsPerSeries; ++step) {
                const icaltimetype next = icalrecur_iterator_next(steps.get());
                if (icaltime_is_null_time(next) || icaltime_compare(next, endWall) > 0) break;
                if (const auto key = keyOf(next, event.start.tzid, Gap::skip); key && !candidates.contains(*key))
                    candidates.append(*key);
            }
        }
        for (const Stamp& added : event.rdates)
            if (const auto key = keyOf(added.wall, added.tzid.isEmpty() ? event.start.tzid : added.tzid, Gap::before);
                key && !candidates.contains(*key))
                candidates.append(*key);
        for (const Stamp& excluded : event.exdates)
            if (const auto key =
                    keyOf(excluded.wall, excluded.tzid.isEmpty() ? event.start.tzid : excluded.tzid, Gap::before))
                candidates.removeAll(*key);
        const QList<Event> moved = data.overrides.value(event.uid);
        for (const Event& override : moved)
            if (const auto key = keyOf(
                    override.recurrenceId.wall,
                    override.recurrenceId.tzid.isEmpty() ? event.start.tzid : override.recurrenceId.tzid, Gap::before))
                candidates.removeAll(*key);
        for (const Candidate& candidate : std::as_const(candidates))
            add(event, candidate, seconds, days);
    }
    // Overrides: each where it was moved to, as an event of its own (also
    // an invitation to one occurrence whose series is not in the file).
    for (const QList<Event>& moved : data.overrides)
        for (const Event& override : moved) {
            if (skipped(override)) continue;
            qint64 seconds = 0;
            int days = 1;
            if (override.start.isDate()) {
                length(override, std::nullopt, &seconds, &days);
                add(override, Candidate{{}, Expansion::dateOf(override.start.wall)}, 0, days);
            } else if (const auto start = at.instant(override.start.wall, override.start.tzid, Gap::before)) {
                length(override, start, &seconds, &days);
                add(override, Candidate{*start, {}}, seconds, days);
            }
        }
    std::sort(out.begin(), out.end(), startsBefore);
    return out;
}
