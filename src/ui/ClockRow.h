#pragma once

#include "clock/ClockFormatter.h"
#include "clock/ClockRowLayout.h"

#include <QDateTime>
#include <QTimeZone>
#include <QWidget>

#include <optional>

// One clock on one line: marker, emoji, title, catalogue name, zone name,
// day label and time. Draws itself from its content; clicks belong to the
// view that holds it.
class ClockRow : public QWidget {
    Q_OBJECT

public:
    enum class Selection { hidden, checked, unchecked };

    struct Content {
        QString title;
        QTimeZone timeZone;
        QDateTime now;
        bool isHome = false;
        Selection selection = Selection::hidden;
        std::optional<QString> emoji;
        std::optional<QString> originalName;
    };

    // The texts the row shows, from the formatter.
    struct Texts {
        QString time;
        QString zoneName;
        int dayOffset = 0;
        QString dayLabel; // empty when the day offset is 0
        friend bool operator==(const Texts&, const Texts&) = default;
    };

    static constexpr int horizontalInset = 8;
    static constexpr int verticalInset = 4;
    static constexpr int basePixelSize = 13;
    static constexpr int captionPixelSize = 11;

    explicit ClockRow(QWidget* parent = nullptr);

    // Repaints only when something visible changed.
    void setContent(const Content& content, const ClockFormatter& formatter);

    const Content& content() const { return m_content; }
    const Texts& texts() const { return m_texts; }
    // Title, catalogue name, time, day label, "your time zone", "tracked": what a screen reader says.
    QString accessibleText() const;
    // Where each part goes at the row's current width.
    ClockRowLayout currentLayout() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QFont baseFont() const;
    QFont timeFont() const;
    QFont captionFont() const;
    QColor secondaryColor() const;
    QString zoneText() const;

    Content m_content;
    Texts m_texts;
};
