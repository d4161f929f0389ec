#include "ClockRowsModel.h"

#include "ClockEntries.h"
#include "RowRoles.h"

namespace {

QStringList idsOf(const QList<ClockEntry>& entries)
{
    QStringList ids;
    for (const ClockEntry& entry : entries)
        ids.append(entry.id);
    return ids;
}

} // namespace

ClockRowsModel::ClockRowsModel(const ClockEntries& entries, ClockRowParts shown, QObject* parent)
    : QAbstractListModel(parent)
    , m_entries(entries)
    , m_shown(shown)
    , m_ids(idsOf(entries.entries()))
{
    connect(&m_entries, &ClockEntries::listChanged, this, &ClockRowsModel::takeList);
    connect(&m_entries, &ClockEntries::textsChanged, this, &ClockRowsModel::takeTexts);
}

QList<bool> ClockRowsModel::noticesShown() const
{
    QList<bool> shown;
    for (const ClockRowData& row : m_entries.rows())
        shown.append(!row.texts.notice.isEmpty());
    return shown;
}

void ClockRowsModel::takeList()
{
    const QStringList ids = idsOf(m_entries.entries());
    if (ids != m_ids) {
        beginResetModel();
        m_ids = ids;
        m_notices.clear();
        endResetModel();
        return;
    }
    // The same rows showing something else (a label, an emoji, the offset).
    takeTexts(0, int(m_ids.size()) - 1);
}

void ClockRowsModel::takeTexts(int first, int last)
{
    if (first > last) return;
    const QList<bool> notices = noticesShown();
    // A notice line changes a row's height; a model never asked has no heights to change.
    if (!m_notices.isEmpty() && notices != m_notices) {
        emit layoutAboutToBeChanged();
        m_notices = notices;
        emit layoutChanged();
    }
    emit dataChanged(index(first), index(last));
}

int ClockRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

QVariant ClockRowsModel::data(const QModelIndex& index, int role) const
{
    const QList<ClockRowData>& rows = m_entries.rows();
    if (!index.isValid() || index.row() >= rows.size()) return {};
    const ClockRowData& row = rows.at(index.row());
    if (m_notices.isEmpty()) m_notices = noticesShown();
    switch (role) {
    case Qt::DisplayRole:
        return row.content.title;
    case Qt::AccessibleTextRole:
        return ClockRowTexts::accessibleText(row.content, row.texts, m_shown);
    case RowRoles::row:
        return QVariant::fromValue(&row);
    case RowRoles::divider:
        return index.row() == 0 && row.content.isHome && rows.size() >= 2;
    default:
        return {};
    }
}

#include "moc_ClockRowsModel.cpp"
