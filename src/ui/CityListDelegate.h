#pragma once

#include <QHash>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Draws the chooser's lines: section titles, clock rows (with the panel's
// row drawing, striped and highlighted), the note of an empty list and the
// placeholder of a search without results.
class CityListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int inset = 8;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // A row on its way out: drawn at `shown` (1 whole, 0 gone) of its height
    // and opacity.
    void setShown(const QPersistentModelIndex& index, qreal shown);
    void forget(const QPersistentModelIndex& index) { m_shown.remove(index); }
    bool isLeaving(const QModelIndex& index) const { return m_shown.contains(index); }

private:
    QHash<QPersistentModelIndex, qreal> m_shown;
};
