#include "Symbols.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

// Resources of a static library are registered by hand.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace Symbols {

namespace {

void ensureResources()
{
    static const bool registered = (registerIconResources(), true);
    Q_UNUSED(registered);
}

QString themeName(const QString& name)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("globe"), QStringLiteral("applications-internet")},
        {QStringLiteral("gearshape"), QStringLiteral("preferences-system")},
        {QStringLiteral("info.circle"), QStringLiteral("help-about")},
        {QStringLiteral("power"), QStringLiteral("application-exit")},
        {QStringLiteral("arrow.down.circle.fill"), QStringLiteral("software-update-available")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("calendar"), QStringLiteral("x-office-calendar")},
    };
    return names.value(name);
}

} // namespace

QPixmap pixmap(const QString& name, const QColor& color, int size, qreal devicePixelRatio)
{
    // Rows repaint on every hover change; rendering the drawing each time would be waste.
    const QString key = QStringLiteral("horavia-symbol:%1:%2:%3:%4")
                            .arg(name, color.name(QColor::HexArgb))
                            .arg(size)
                            .arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return cached;

    ensureResources();
    const QIcon themed = QIcon::fromTheme(themeName(name));
    QPixmap drawn;
    if (!themed.isNull()) {
        drawn = themed.pixmap(QSize(size, size), devicePixelRatio);
    } else {
        drawn = QIcon(QStringLiteral(":/icons/%1.svg").arg(name)).pixmap(QSize(size, size), devicePixelRatio);
        if (!drawn.isNull()) {
            // The outlines are black; paint the wanted colour through them.
            QPainter painter(&drawn);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(QRectF(QPointF(0, 0), drawn.deviceIndependentSize()), color);
        }
    }
    QPixmapCache::insert(key, drawn);
    return drawn;
}

QIcon icon(const QString& name, const QColor& color)
{
    QIcon result;
    for (const qreal ratio : {1.0, 2.0})
        result.addPixmap(pixmap(name, color, 16, ratio));
    return result;
}

QIcon applicationIcon()
{
    ensureResources();
    // The installed theme icon by name, so a StatusNotifier host can fetch it
    // at its own size; a copy run from its bundle has only the built-in one.
    return QIcon::fromTheme(QStringLiteral("org.horavia.Horavia"),
                            QIcon(QStringLiteral(":/icons/globe.badge.clock.svg")));
}

void paintCheckmark(QPainter& painter, const QRectF& box, const QColor& color)
{
    const qreal side = std::min(box.width(), box.height()) * 0.8;
    const QRectF r(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.55);
    path.lineTo(r.left() + r.width() * 0.38, r.bottom() - r.height() * 0.1);
    path.lineTo(r.right(), r.top() + r.height() * 0.1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, std::max(1.6, side * 0.17), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

void paintLocation(QPainter& painter, const QRectF& box, const QColor& color)
{
    // The navigation arrow: a filled arrowhead pointing up and to the right.
    const qreal side = std::min(box.width(), 10.0);
    const QRectF r(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    QPainterPath path;
    path.moveTo(r.right(), r.top());
    path.lineTo(r.left(), r.top() + r.height() * 0.45);
    path.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.5);
    path.lineTo(r.left() + r.width() * 0.55, r.bottom());
    path.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, color);
    painter.restore();
}

} // namespace Symbols
