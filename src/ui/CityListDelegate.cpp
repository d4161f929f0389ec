#include "CityListDelegate.h"

#include "ClockRowPainter.h"
#include "Controls.h"
#include "chooser/CityListModel.h"
#include "clock/RowRoles.h"
#include "text/LocaleText.h"

#include <QPainter>

namespace {

const CityListModel::Item* itemOf(const QModelIndex& index)
{
    return index.data(RowRoles::chooserItem).value<const CityListModel::Item*>();
}

const ClockRowData& rowOf(const QModelIndex& index)
{
    return *index.data(RowRoles::row).value<const ClockRowData*>();
}

QColor secondary(const QPalette& palette)
{
    QColor color = palette.color(QPalette::Text);
    color.setAlphaF(0.55);
    return color;
}

} // namespace

QSize CityListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const CityListModel::Item* item = itemOf(index);
    const int lineHeight = option.fontMetrics.height();
    if (!item) return {0, lineHeight};
    switch (item->kind) {
    case CityListModel::ItemKind::section:
        return {0, QFontMetrics(Controls::scaled(option.font, 0.9, QFont::DemiBold)).height() + 14};
    case CityListModel::ItemKind::row:
        return {0, int((ClockRowPainter::rowHeight(option.font, !rowOf(index).texts.notice.isEmpty()) + 4) *
                       m_shown.value(index, 1.0))};
    case CityListModel::ItemKind::note:
        return {0, lineHeight + 16};
    case CityListModel::ItemKind::noResults:
        return {0, 4 * lineHeight + 48};
    case CityListModel::ItemKind::answer:
        return {0, lineHeight + 20};
    }
    return {0, lineHeight};
}

void CityListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const CityListModel::Item* item = itemOf(index);
    if (!item) return;
    const QPalette& palette = option.palette;
    const QRect area = option.rect.adjusted(inset, 0, -inset, 0);
    painter->save();
    if (const auto leaving = m_shown.constFind(index); leaving != m_shown.cend()) {
        painter->setOpacity(*leaving);
        painter->setClipRect(option.rect);
    }
    switch (item->kind) {
    case CityListModel::ItemKind::section: {
        painter->setFont(Controls::scaled(option.font, 0.9, QFont::DemiBold));
        painter->setPen(secondary(palette));
        painter->drawText(area.adjusted(ClockRowPainter::horizontalInset, 0, -ClockRowPainter::horizontalInset, -3),
                          Qt::AlignLeft | Qt::AlignBottom, item->text);
        break;
    }
    case CityListModel::ItemKind::row: {
        QColor background = Qt::transparent;
        if (item->index % 2 == 1) background = palette.color(QPalette::AlternateBase);
        if (option.state & QStyle::State_Selected) {
            background = palette.color(QPalette::Highlight);
            background.setAlphaF(option.state & QStyle::State_HasFocus ? 0.28 : 0.16);
        } else if (option.state & QStyle::State_MouseOver) {
            background = palette.color(QPalette::Text);
            background.setAlphaF(0.06);
        }
        if (background.alpha() > 0) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(background);
            painter->drawRoundedRect(QRectF(area).adjusted(0, 1, 0, -1), 5, 5);
        }
        QPalette rowPalette = palette;
        rowPalette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
        const ClockRowData& row = rowOf(index);
        ClockRowPainter::paint(*painter, area.adjusted(0, 2, 0, -2), row.content, row.texts, CityListModel::parts,
                               option.font, rowPalette);
        break;
    }
    case CityListModel::ItemKind::note:
        painter->setPen(secondary(palette));
        painter->drawText(area.adjusted(ClockRowPainter::horizontalInset, 0, -ClockRowPainter::horizontalInset, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, item->text);
        break;
    case CityListModel::ItemKind::answer: {
        // A time to show reads as a command, with the clock's mark; a
        // refusal is quieter and cannot be chosen.
        const bool choosable = item->at.isValid();
        if (choosable && (option.state & (QStyle::State_Selected | QStyle::State_MouseOver))) {
            QColor background = palette.color(QPalette::Highlight);
            background.setAlphaF(option.state & QStyle::State_Selected ? 0.28 : 0.12);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(background);
            painter->drawRoundedRect(QRectF(area).adjusted(0, 2, 0, -2), 5, 5);
        }
        const QRect text = area.adjusted(ClockRowPainter::horizontalInset, 0, -ClockRowPainter::horizontalInset, 0);
        painter->setPen(choosable ? palette.color(QPalette::Text) : secondary(palette));
        QFont font = option.font;
        font.setWeight(choosable ? QFont::DemiBold : QFont::Normal);
        painter->setFont(font);
        const QString shown = (choosable ? QStringLiteral("◷  ") : QString()) + item->text;
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(font).elidedText(shown, Qt::ElideRight, text.width()));
        break;
    }
    case CityListModel::ItemKind::noResults: {
        // As desktop search fields do: a large centred line and a quieter one below.
        const QFont big = Controls::scaled(option.font, 1.4, QFont::DemiBold);
        const int bigHeight = QFontMetrics(big).height();
        const QRect first(area.left(), area.center().y() - bigHeight, area.width(), bigHeight);
        painter->setFont(big);
        painter->setPen(secondary(palette));
        const QString title =
            //: Heading when a search finds nothing
            item->text.isEmpty() ? tr("No Results") : tr("No Results for “%1”").arg(LocaleText::isolated(item->text));
        painter->drawText(first, Qt::AlignCenter, QFontMetrics(big).elidedText(title, Qt::ElideMiddle, area.width()));
        painter->setFont(option.font);
        painter->drawText(QRect(area.left(), first.bottom() + 6, area.width(), option.fontMetrics.height()),
                          Qt::AlignCenter, tr("Check the spelling or try a new search."));
        break;
    }
    }
    painter->restore();
}

void CityListDelegate::setShown(const QPersistentModelIndex& index, qreal shown)
{
    m_shown.insert(index, shown);
    emit sizeHintChanged(index);
}
