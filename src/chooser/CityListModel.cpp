#include "CityListModel.h"

#include "catalogue/CityDatabase.h"
#include "clock/ClockEntries.h"
#include "clock/ClockFormatter.h"
#include "clock/DisplayedTime.h"
#include "clock/RowRoles.h"
#include "clock/SunTimes.h"
#include "settings/AppSettings.h"
#include "text/LocaleText.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QSet>

namespace {

const QString mimeType = QStringLiteral("application/x-horavia-tracked-rows");
constexpr int resultLimit = 200;
constexpr double nearbyRadiusKm = 1500;
constexpr int nearbyMinimum = 12;
constexpr int nearbyMaximum = 60;

// What identifies a line, so that a change of texts alone keeps the view's
// current row and scroll position.
QString keyOf(const CityListModel::Item& item)
{
    return QString::number(int(item.kind)) + QLatin1Char(':') + QString::number(int(item.rowKind)) + QLatin1Char(':') +
           (item.city ? item.city->id : item.text);
}

CityListModel::Item section(const QString& title)
{
    CityListModel::Item item;
    item.kind = CityListModel::ItemKind::section;
    item.text = title;
    return item;
}

} // namespace

CityListModel::CityListModel(AppSettings& settings, const ClockEntries& entries, const CityDatabase& database,
                             const DisplayedTime& time, QObject* parent)
    : QAbstractListModel(parent)
    , m_settings(settings)
    , m_entries(entries)
    , m_database(database)
    , m_time(time)
{
    // The tracked rows are the shared clock rows; results are clocks of
    // their own, with checkmarks, labels and emoji that follow the settings.
    connect(&m_entries, &ClockEntries::listChanged, this, [this] {
        if (!isFiltering()) rebuild();
    });
    connect(&m_entries, &ClockEntries::textsChanged, this, &CityListModel::takeTexts);
    connect(&m_settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (!isFiltering()) return;
        // Checkmarks follow the tracked list; titles and emoji, the names.
        if (key == SettingKey::trackedCityIDs || (settingRow(key).effects & SettingEffect::names)) rebuild();
    });
    m_settings.whenChanged(SettingEffect::texts, this, [this] { refreshResultTexts(); });
    connect(&m_time, &DisplayedTime::instantChanged, this, &CityListModel::refreshResultTexts);
    rebuild();
}

void CityListModel::changedRows(int first, int last, bool resized)
{
    // A notice line changes a row's height.
    if (resized) {
        emit layoutAboutToBeChanged();
        emit layoutChanged();
    }
    if (first >= 0) emit dataChanged(index(first), index(last));
}

void CityListModel::takeTexts(int first, int last)
{
    if (isFiltering()) return;
    const QList<ClockRowData>& rows = m_entries.rows();
    int changedFirst = -1;
    int changedLast = -1;
    bool resized = false;
    for (int row = 0; row < m_items.size(); ++row) {
        Item& item = m_items[row];
        if (item.entry < first || item.entry > last || item.entry >= rows.size()) continue;
        const bool hasNotice = !rows.at(item.entry).texts.notice.isEmpty();
        resized = resized || hasNotice != item.hasNotice;
        item.hasNotice = hasNotice;
        if (changedFirst < 0) changedFirst = row;
        changedLast = row;
    }
    changedRows(changedFirst, changedLast, resized);
}

void CityListModel::refreshResultTexts()
{
    if (!isFiltering()) return;
    const QDateTime now = m_time.instant();
    const bool showsOffset = m_settings.value<bool>(SettingKey::showsOffsetFromHome);
    m_resultTexts.reset();
    int first = -1;
    int last = -1;
    for (int row = 0; row < m_items.size(); ++row) {
        Item& item = m_items[row];
        if (item.kind != ItemKind::row) continue;
        item.result.content.now = now;
        item.result.content.showsOffset = showsOffset;
        item.textsDue = true;
        if (first < 0) first = row;
        last = row;
    }
    // Results have no notice line, so no row changes its height.
    changedRows(first, last, false);
}

const ClockRowData& CityListModel::row(const Item& item) const
{
    if (item.entry >= 0) {
        // Between a change of the list and this model's rebuild, which
        // follows it, a view may still ask for a row that has gone.
        const QList<ClockRowData>& rows = m_entries.rows();
        static const ClockRowData gone;
        return item.entry < rows.size() ? rows.at(item.entry) : gone;
    }
    if (item.textsDue) {
        if (!m_resultTexts) m_resultTexts = m_entries.formatter();
        item.result.texts = ClockRowTexts::of(item.result.content, *m_resultTexts);
        item.textsDue = false;
    }
    return item.result;
}

void CityListModel::setSearchText(const QString& text)
{
    if (text == m_searchText) return;
    m_searchText = text;
    // Typing cancels a map selection; clearing the text keeps it.
    if (!text.isEmpty() && m_focus) {
        m_focus.reset();
        emit focusChanged();
    }
    rebuild();
}

void CityListModel::setFocus(const std::optional<Coordinate>& focus)
{
    if (focus == m_focus) return;
    m_focus = focus;
    emit focusChanged();
    rebuild();
}

void CityListModel::rebuild()
{
    const QList<City> previousResults = m_results;
    QList<Item> items = isFiltering() ? buildResults() : buildTracked();
    if (!isFiltering()) m_results.clear();

    // One block of lines added or taken away (a city tracked or removed) is
    // reported as such, so the view keeps its current row; anything else
    // starts the list afresh.
    const qsizetype before = m_items.size();
    const qsizetype after = items.size();
    qsizetype head = 0;
    while (head < before && head < after && keyOf(items.at(head)) == keyOf(m_items.at(head)))
        ++head;
    qsizetype tail = 0;
    while (tail < before - head && tail < after - head &&
           keyOf(items.at(after - 1 - tail)) == keyOf(m_items.at(before - 1 - tail)))
        ++tail;
    if (before == after && head == before) {
        // The same lines: only those that show something else are redrawn.
        int first = -1;
        int last = -1;
        for (int row = 0; row < after; ++row) {
            if (items.at(row).showsSame(m_items.at(row))) continue;
            if (first < 0) first = row;
            last = row;
        }
        m_items = std::move(items);
        if (first >= 0) emit dataChanged(index(first), index(last));
    } else if (head + tail == after) {
        beginRemoveRows({}, int(head), int(before - tail - 1));
        m_items = std::move(items);
        endRemoveRows();
    } else if (head + tail == before) {
        beginInsertRows({}, int(head), int(after - tail - 1));
        m_items = std::move(items);
        endInsertRows();
    } else {
        beginResetModel();
        m_items = std::move(items);
        endResetModel();
    }
    QStringList previousIds, ids;
    for (const City& city : previousResults)
        previousIds.append(city.id);
    for (const City& city : std::as_const(m_results))
        ids.append(city.id);
    if (previousIds != ids) emit resultsChanged();
}

QList<CityListModel::Item> CityListModel::buildTracked() const
{
    QList<Item> items;
    const QList<ClockEntry>& entries = m_entries.entries();
    const QList<ClockRowData>& rows = m_entries.rows();
    const auto rowFor = [&](const ClockEntry& entry, RowKind kind, int index) {
        const qsizetype at = &entry - entries.constData();
        Item item;
        item.rowKind = kind;
        item.hasNotice = !rows.at(at).texts.notice.isEmpty();
        item.city = entry.city;
        item.index = index;
        item.entry = int(at);
        return item;
    };

    if (!entries.isEmpty() && entries.first().kind == ClockEntry::Kind::home && !entries.first().city) {
        //: Heading of the list's first section: the user's own zone
        items.append(section(tr("Your Time Zone")));
        items.append(rowFor(entries.first(), RowKind::home, 0));
    }
    //: Heading of the list of cities the user added
    items.append(section(tr("Cities You Track")));
    int index = 0;
    for (const ClockEntry& entry : entries)
        if (entry.city) items.append(rowFor(entry, RowKind::tracked, index++));
    if (index == 0) {
        Item note;
        note.kind = ItemKind::note;
        note.text = tr("Search above or click the map to add a city.");
        items.append(note);
    }
    return items;
}

QList<CityListModel::Item> CityListModel::buildResults()
{
    m_resultTexts.reset();
    const QDateTime now = m_time.instant();
    const bool showsOffset = m_settings.value<bool>(SettingKey::showsOffsetFromHome);
    m_results = !m_searchText.isEmpty() ? m_database.search(m_searchText, resultLimit)
                                        : m_database.nearestCities(m_focus->latitude, m_focus->longitude,
                                                                   nearbyRadiusKm, nearbyMinimum, nearbyMaximum);
    //: Heading of the search results
    QString title = tr("Results");
    if (m_searchText.isEmpty())
        //: Heading of the places near a point clicked on the map
        title = m_results.isEmpty() ? tr("Nearby")
                                    //: Heading of the places near a point; %1 the nearest place
                                    : tr("Near %1").arg(LocaleText::isolated(m_results.first().displayName()));

    QList<Item> items = buildAnswers();
    const bool answered = !items.isEmpty();
    if (!answered || !m_results.isEmpty()) items.append(section(title));
    const QStringList trackedIds = m_settings.value<QStringList>(SettingKey::trackedCityIDs);
    const QSet<QString> tracked(trackedIds.cbegin(), trackedIds.cend());
    int index = 0;
    for (const City& city : std::as_const(m_results)) {
        Item item;
        item.rowKind = RowKind::result;
        ClockRowContent& content = item.result.content;
        content = ClockEntry::forCity(m_settings, city).rowContent(now, showsOffset);
        // A result is a place to find, not to plan with.
        content.schedule.reset();
        content.place.reset();
        content.selection =
            tracked.contains(city.id) ? ClockRowContent::Selection::checked : ClockRowContent::Selection::unchecked;
        item.textsDue = true;
        item.city = city;
        item.index = index++;
        items.append(item);
    }
    if (m_results.isEmpty() && !answered) {
        Item none;
        none.kind = ItemKind::noResults;
        none.text = m_searchText;
        items.append(none);
    }
    return items;
}

QList<CityListModel::Item> CityListModel::buildAnswers() const
{
    QList<Item> items;
    if (m_searchText.isEmpty()) return items;
    for (const TimeAnswer::Answer& answer : m_entries.answers(m_searchText)) {
        Item item;
        item.kind = ItemKind::answer;
        item.text = answer.text;
        item.spoken = answer.spoken;
        item.at = answer.at;
        item.index = int(items.size());
        items.append(item);
    }
    return items;
}

bool CityListModel::leadsWithAnswer() const
{
    return !m_items.isEmpty() && m_items.first().kind == ItemKind::answer && m_items.first().at.isValid();
}

void CityListModel::activate(int row)
{
    if (row < 0 || row >= m_items.size()) return;
    const Item& item = m_items.at(row);
    if (item.kind == ItemKind::answer && item.at.isValid()) {
        emit timeChosen(item.at);
        return;
    }
    if (item.kind == ItemKind::row && item.rowKind == RowKind::result && item.city) {
        const City city = *item.city; // the rebuild replaces the item
        m_settings.toggleTracking(city);
    }
}

void CityListModel::remove(int row)
{
    if (row < 0 || row >= m_items.size()) return;
    const Item& item = m_items.at(row);
    if (item.kind == ItemKind::row && item.rowKind == RowKind::tracked && item.city) {
        const City city = *item.city; // the rebuild replaces the item
        m_settings.toggleTracking(city);
    }
}

QList<City> CityListModel::trackedCitiesShown() const
{
    QList<City> cities;
    for (const Item& item : m_items)
        if (item.kind == ItemKind::row && item.rowKind == RowKind::tracked && item.city) cities.append(*item.city);
    return cities;
}

bool CityListModel::moveTrackedRows(const QList<int>& rows, int destination)
{
    if (isFiltering()) return false;
    QSet<qsizetype> offsets;
    qsizetype toOffset = 0;
    for (int row = 0; row < m_items.size(); ++row) {
        const Item& item = m_items.at(row);
        if (item.kind != ItemKind::row || item.rowKind != RowKind::tracked) continue;
        if (rows.contains(row)) offsets.insert(item.index);
        if (row < destination) toOffset = item.index + 1;
    }
    if (offsets.isEmpty()) return false;
    m_settings.moveTrackedCities(offsets, toOffset, trackedCitiesShown());
    return true;
}

QString CityListModel::sunText(const Item& item, Reading reading) const
{
    // Made when asked for (a tooltip, a screen reader), not for every row at every tick.
    return item.city ? sunText(*item.city, row(item).content.now, reading) : QString();
}

QString CityListModel::focusCaption() const
{
    return m_focus && !m_results.isEmpty() ? sunText(m_results.first(), m_time.instant()) : QString();
}

QString CityListModel::sunText(const City& city, const QDateTime& at, Reading reading) const
{
    if (city.id == City::utc().id) return {};
    const QDate date = at.toTimeZone(city.timeZone).date();
    const SunTimes sun = SunTimes::on(date, city.latitude, city.longitude, city.timeZone);
    switch (sun.kind) {
    case SunTimes::Kind::upAllDay:
        //: A place's sun times on a day of midnight sun
        return tr("Sun up all day");
    case SunTimes::Kind::downAllDay:
        //: A place's sun times on a day of polar night
        return tr("Sun down all day");
    case SunTimes::Kind::risesAndSets:
        break;
    }
    const ClockFormatter formatter = m_entries.formatter();
    const QString rise = formatter.timeText(sun.rise, city.timeZone);
    const QString set = formatter.timeText(sun.set, city.timeZone);
    //: What a screen reader says of a place's sun, where the eye reads "Sunrise 7:12 AM · Sunset 4:35 PM"
    if (reading == Reading::spoken) return tr("sunrise %1, sunset %2").arg(rise, set);
    //: %1 and %2 are times
    return tr("Sunrise %1 · Sunset %2").arg(rise, set);
}

int CityListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant CityListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size()) return {};
    const Item& item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.kind == ItemKind::row ? row(item).content.title : item.text;
    case Qt::AccessibleTextRole: {
        //: Heading when a search finds nothing; %1 what was typed
        if (item.kind == ItemKind::noResults) return tr("No Results for “%1”").arg(LocaleText::isolated(item.text));
        if (item.kind == ItemKind::answer) return item.spoken;
        if (item.kind != ItemKind::row) return item.text;
        // A tracked row is said as a checked search result is: the reader hears it is tracked.
        const ClockRowData& shown = row(item);
        ClockRowContent said = shown.content;
        if (item.rowKind == RowKind::tracked) said.selection = ClockRowContent::Selection::checked;
        const QString sun = sunText(item, Reading::spoken);
        const QString text = ClockRowTexts::accessibleText(said, shown.texts, parts);
        return sun.isEmpty() ? text : text + QStringLiteral(", ") + sun;
    }
    case Qt::ToolTipRole:
        return item.kind == ItemKind::row ? sunText(item) : QString();
    case RowRoles::chooserItem:
        return QVariant::fromValue(&item);
    case RowRoles::row:
        return item.kind == ItemKind::row ? QVariant::fromValue(&row(item)) : QVariant();
    case RowRoles::heading:
        return item.kind == ItemKind::section;
    default:
        return {};
    }
}

Qt::ItemFlags CityListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    const Item& item = m_items.at(index.row());
    if (item.kind == ItemKind::answer && item.at.isValid()) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (item.kind != ItemKind::row) return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (item.rowKind == RowKind::tracked) flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList CityListModel::mimeTypes() const
{
    return {mimeType};
}

QMimeData* CityListModel::mimeData(const QModelIndexList& indexes) const
{
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    for (const QModelIndex& index : indexes)
        stream << qint32(index.row());
    auto* data = new QMimeData;
    data->setData(mimeType, encoded);
    return data;
}

bool CityListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int, const QModelIndex&) const
{
    return action == Qt::MoveAction && data && data->hasFormat(mimeType) && !isFiltering();
}

bool CityListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                 const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    QList<int> rows;
    QDataStream stream(data->data(mimeType));
    while (!stream.atEnd()) {
        qint32 source = -1;
        stream >> source;
        if (stream.status() != QDataStream::Ok) return false;
        rows.append(source);
    }
    // Dropped onto a row: before it; onto empty space: at the end.
    const int destination = row >= 0 ? row : parent.isValid() ? parent.row() : int(m_items.size());
    moveTrackedRows(rows, destination);
    // The settings moved the rows; the view must not remove the sources itself.
    return false;
}

bool CityListModel::moveRows(const QModelIndex&, int sourceRow, int count, const QModelIndex&, int destinationChild)
{
    QList<int> rows;
    for (int row = sourceRow; row < sourceRow + count; ++row)
        rows.append(row);
    return moveTrackedRows(rows, destinationChild);
}

#include "moc_CityListModel.cpp"
