#include "CalendarList.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr qint64 largestFile = 1024 * 1024;

constexpr std::pair<CalendarSource::Kind, const char*> kindNames[] = {
    {CalendarSource::Kind::desktop, "desktop"},
    {CalendarSource::Kind::folder, "folder"},
    {CalendarSource::Kind::file, "file"},
    {CalendarSource::Kind::subscription, "subscription"},
};

std::optional<CalendarSource::Kind> kindNamed(const QString& name)
{
    for (const auto& [kind, text] : kindNames)
        if (name == QLatin1String(text)) return kind;
    return std::nullopt;
}

QString nameOf(CalendarSource::Kind kind)
{
    for (const auto& [each, text] : kindNames)
        if (each == kind) return QString::fromLatin1(text);
    return {};
}

bool isColour(const QString& text)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    return text.isEmpty() || hex.match(text).hasMatch();
}

bool addressFits(CalendarSource::Kind kind, const QString& address)
{
    if (address.isEmpty() || address.size() > CalendarList::longestText || address.contains(QChar(0))) return false;
    switch (kind) {
    case CalendarSource::Kind::desktop:
        return true;
    case CalendarSource::Kind::folder:
    case CalendarSource::Kind::file:
        return QFileInfo(address).isAbsolute();
    case CalendarSource::Kind::subscription:
        return CalendarList::isSubscribable(address);
    }
    return false;
}

} // namespace

CalendarList::CalendarList(QString fileName, QObject* parent)
    : QObject(parent)
    , m_fileName(std::move(fileName))
{
    load();
}

QString CalendarList::defaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/horavia/calendars.json");
}

bool CalendarList::isSubscribable(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty()) return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https") || scheme == QLatin1String("webcal")) return true;
    // Plain http only to this machine: a calendar is private, and a
    // network between could change it on the way.
    static const QRegularExpression loopback(QStringLiteral("^(localhost|::1|127\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3})$"));
    return scheme == QLatin1String("http") && loopback.match(url.host()).hasMatch();
}

bool CalendarList::anyEnabled() const
{
    return std::any_of(m_sources.begin(), m_sources.end(), [](const CalendarSource& s) { return s.enabled; });
}

void CalendarList::load()
{
    QFile file(m_fileName);
    if (!file.exists()) return;
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestFile) {
        m_writable = false;
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String("horavia-calendars") ||
        root.value(QLatin1String("version")).toInt() != 1) {
        // Another version's or a damaged file: kept as it is, for whoever wrote it.
        m_writable = false;
        return;
    }
    m_showsAllDay = root.value(QLatin1String("showsAllDay")).toBool(false);
    QStringList ids;
    for (const QJsonValue& value : root.value(QLatin1String("sources")).toArray()) {
        if (m_sources.size() >= mostSources) break;
        const QJsonObject item = value.toObject();
        const auto kind = kindNamed(item.value(QLatin1String("kind")).toString());
        CalendarSource source;
        source.id = item.value(QLatin1String("id")).toString();
        source.address = item.value(QLatin1String("address")).toString();
        source.name = item.value(QLatin1String("name")).toString().left(longestText);
        source.colour = item.value(QLatin1String("colour")).toString();
        source.enabled = item.value(QLatin1String("enabled")).toBool(false);
        if (!kind || source.id.isEmpty() || source.id.size() > 64 || ids.contains(source.id) ||
            !isColour(source.colour))
            continue;
        source.kind = *kind;
        if (!addressFits(source.kind, source.address)) continue;
        ids.append(source.id);
        m_sources.append(source);
    }
}

void CalendarList::save()
{
    emit changed();
    if (!m_writable) return;
    QJsonArray sources;
    for (const CalendarSource& source : std::as_const(m_sources)) {
        QJsonObject item{{QStringLiteral("id"), source.id},
                         {QStringLiteral("kind"), nameOf(source.kind)},
                         {QStringLiteral("address"), source.address},
                         {QStringLiteral("enabled"), source.enabled}};
        if (!source.name.isEmpty()) item.insert(QStringLiteral("name"), source.name);
        if (!source.colour.isEmpty()) item.insert(QStringLiteral("colour"), source.colour);
        sources.append(item);
    }
    const QJsonObject root{{QStringLiteral("format"), QStringLiteral("horavia-calendars")},
                           {QStringLiteral("version"), 1},
                           {QStringLiteral("showsAllDay"), m_showsAllDay},
                           {QStringLiteral("sources"), sources}};
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner); // subscription addresses can hold secrets
    file.write(QJsonDocument(root).toJson());
    file.commit();
}

QString CalendarList::add(CalendarSource source)
{
    if (source.kind == CalendarSource::Kind::subscription &&
        source.address.startsWith(QLatin1String("webcal:"), Qt::CaseInsensitive))
        source.address = QStringLiteral("https:") + source.address.mid(7);
    if (!addressFits(source.kind, source.address) || !isColour(source.colour) || m_sources.size() >= mostSources)
        return {};
    for (const CalendarSource& known : std::as_const(m_sources))
        if (known.kind == source.kind && known.address == source.address) return {};
    int number = 1;
    const QString prefix = nameOf(source.kind) + u'-';
    for (const CalendarSource& known : std::as_const(m_sources))
        if (known.id.startsWith(prefix)) number = std::max(number, known.id.mid(prefix.size()).toInt() + 1);
    source.id = prefix + QString::number(number);
    source.name = source.name.left(longestText);
    m_sources.append(source);
    save();
    return source.id;
}

void CalendarList::setEnabled(const QString& id, bool enabled)
{
    for (CalendarSource& source : m_sources)
        if (source.id == id && source.enabled != enabled) {
            source.enabled = enabled;
            save();
        }
}

void CalendarList::remove(const QString& id)
{
    if (m_sources.removeIf([&id](const CalendarSource& s) { return s.id == id; }) > 0) save();
}

void CalendarList::setShowsAllDay(bool shows)
{
    if (m_showsAllDay == shows) return;
    m_showsAllDay = shows;
    save();
}

void CalendarList::setDesktopCalendars(const QList<CalendarSource>& listed)
{
    QList<CalendarSource> next;
    for (const CalendarSource& source : std::as_const(m_sources))
        if (source.kind != CalendarSource::Kind::desktop) next.append(source);
    for (CalendarSource found : listed) {
        if (!addressFits(CalendarSource::Kind::desktop, found.address) || !isColour(found.colour)) continue;
        found.kind = CalendarSource::Kind::desktop;
        found.id = QStringLiteral("desktop-") +
                   QString::fromLatin1(
                       QCryptographicHash::hash(found.address.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
        found.enabled = false;
        for (const CalendarSource& known : std::as_const(m_sources))
            if (known.kind == CalendarSource::Kind::desktop && known.address == found.address)
                found.enabled = known.enabled;
        next.append(found);
    }
    if (next == m_sources) return;
    m_sources = next;
    save();
}
