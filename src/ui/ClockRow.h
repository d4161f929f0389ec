#pragma once

#include "clock/ClockFormatter.h"
#include "clock/ClockRowContent.h"
#include "clock/ClockRowLayout.h"

#include <QWidget>

// One clock on one line: marker, emoji, title, catalogue name, zone name,
// day label and time. Draws itself from its content; clicks belong to the
// view that holds it. The drawing is shared with the chooser's list.
class ClockRow : public QWidget {
    Q_OBJECT

public:
    using Selection = ClockRowContent::Selection;
    using Content = ClockRowContent;
    using Texts = ClockRowTexts;

    static constexpr int horizontalInset = 8;
    static constexpr int verticalInset = 4;
    static constexpr int basePixelSize = 13;
    static constexpr int captionPixelSize = 11;

    explicit ClockRow(QWidget* parent = nullptr);

    // Repaints only when something visible changed.
    void setContent(const Content& content, const ClockFormatter& formatter);

    const Content& content() const { return m_content; }
    const Texts& texts() const { return m_texts; }
    QString accessibleText() const { return Texts::accessibleText(m_content, m_texts); }
    // Where each part goes at the row's current width.
    ClockRowLayout currentLayout() const { return layoutFor(m_content, m_texts, font(), width()); }

    // The row's parts laid out in a row `width` wide, with `font` as the base font.
    static ClockRowLayout layoutFor(const Content& content, const Texts& texts, const QFont& font, int width);
    // Draws a row into `rect` with `palette`'s text and highlight colours.
    static void paint(QPainter& painter, const QRect& rect, const Content& content, const Texts& texts,
                      const QFont& font, const QPalette& palette);
    // The height of a row in `font`, with or without a notice line under it.
    static int rowHeight(const QFont& font, bool withNotice = false);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Content m_content;
    Texts m_texts;
};
