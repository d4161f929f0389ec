#include "ClockListView.h"

#include "ClockRowPainter.h"
#include "clock/ClockRowsModel.h"
#include "clock/RowRoles.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int dividerHeight = 9; // a hairline with 4 points of air above and below

const ClockRowData* rowOf(const QModelIndex& index)
{
    return index.data(RowRoles::row).value<const ClockRowData*>();
}

class ClockRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const ClockRowData* row = rowOf(index);
        if (!row) return {};
        const int height = ClockRowPainter::rowHeight(option.font, !row->texts.notice.isEmpty());
        return {400, height + (index.data(RowRoles::divider).toBool() ? dividerHeight : 0)};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const ClockRowData* row = rowOf(index);
        if (!row) return;
        QRect area = option.rect;
        const QPalette& palette = option.palette;
        if (index.data(RowRoles::divider).toBool()) {
            area.setHeight(area.height() - dividerHeight);
            QColor line = palette.color(QPalette::WindowText);
            line.setAlphaF(0.15);
            painter->fillRect(QRect(area.left(), area.bottom() + 1 + 4, area.width(), 1), line);
        }
        painter->save();
        if (option.state & QStyle::State_HasFocus) {
            QColor focus = palette.color(QPalette::Highlight);
            focus.setAlphaF(0.18);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(focus);
            painter->drawRoundedRect(QRectF(area).adjusted(1, 0.5, -1, -0.5), 5, 5);
        }
        painter->restore();
        ClockRowPainter::paint(*painter, area, row->content, row->texts, ClockListView::parts, option.font, palette);
    }
};

} // namespace

ClockListView::ClockListView(const ClockEntries& entries, QWidget* parent)
    : RowListView(parent)
{
    setModel(new ClockRowsModel(entries, parts, this));
    setItemDelegate(new ClockRowDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    // Rows change height (a notice line), so every row is measured.
    setUniformItemSizes(false);
    // The panel's window colours, not a text field's.
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
}

QSize ClockListView::sizeHint() const
{
    int height = 0;
    for (int row = 0; row < model()->rowCount(); ++row)
        height += sizeHintForRow(row);
    return {ClockRowPainter::minimumWidth(), height + 2 * frameWidth()};
}

int ClockListView::naturalWidth() const
{
    int widest = ClockRowPainter::minimumWidth();
    for (int row = 0; row < model()->rowCount(); ++row)
        if (const ClockRowData* shown = rowOf(model()->index(row, 0)))
            widest = std::max(widest, ClockRowPainter::naturalWidth(shown->content, shown->texts, parts, font()));
    return widest + 2 * frameWidth();
}

QSize ClockListView::minimumSizeHint() const
{
    return {ClockRowPainter::minimumWidth(), 0};
}

void ClockListView::keyPressEvent(QKeyEvent* event)
{
    // The panel decides what the keys do: the time keys, Escape, and Up and
    // Down through the clocks and on to the actions.
    event->ignore();
}
