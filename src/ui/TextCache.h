#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStaticText>

#include <memory>

// Views repaint their texts at each tick and step, and shaping a text costs
// more than drawing it: per font, each text is measured, shortened to its
// room and laid out once and kept (titles, zone names and hour labels
// hardly change, and the times repeat). For the main thread only.
class TextCache {
public:
    static std::shared_ptr<TextCache> of(const QFont& font)
    {
        static QHash<QFont, std::shared_ptr<TextCache>> caches;
        if (const auto found = caches.constFind(font); found != caches.cend()) return *found;
        if (caches.size() > 16) caches.clear();
        return *caches.insert(font, std::shared_ptr<TextCache>(new TextCache(font)));
    }

    qreal height() const { return m_height; }

    qreal width(const QString& text)
    {
        if (const auto found = m_widths.constFind(text); found != m_widths.cend()) return *found;
        if (m_widths.size() > 2048) m_widths.clear();
        return *m_widths.insert(text, QFontMetricsF(m_font).horizontalAdvance(text));
    }

    // The text, or as much as fits in `room` with an ellipsis.
    QString elided(const QString& text, qreal room)
    {
        // What fits is drawn as it is, without shaping it again to find out.
        if (width(text) < room - 0.1) return text;
        const QString key = QString::number(room) + QLatin1Char('\n') + text;
        if (const auto found = m_elided.constFind(key); found != m_elided.cend()) return *found;
        if (m_elided.size() > 512) m_elided.clear();
        return *m_elided.insert(key, QFontMetricsF(m_font).elidedText(text, Qt::ElideRight, room));
    }

    const QStaticText& prepared(const QString& text)
    {
        if (const auto found = m_prepared.constFind(text); found != m_prepared.cend()) return *found;
        if (m_prepared.size() > 1024) m_prepared.clear();
        QStaticText made(text);
        made.setTextFormat(Qt::PlainText);
        made.setPerformanceHint(QStaticText::AggressiveCaching);
        made.prepare(QTransform(), m_font);
        return *m_prepared.insert(text, made);
    }

private:
    explicit TextCache(const QFont& font)
        : m_font(font)
        , m_height(QFontMetricsF(font).height())
    {
    }

    QFont m_font;
    qreal m_height;
    QHash<QString, qreal> m_widths;
    QHash<QString, QString> m_elided;
    QHash<QString, QStaticText> m_prepared;
};
