#pragma once

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
};
