#include "Symbols.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QStandardPaths>

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
        {QStringLiteral("link"), QStringLiteral("insert-link")},
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
    // Only a symbol the theme may have asks it: the first question costs
    // milliseconds (the theme's folders are read), even for no name at all.
    const QString inTheme = themeName(name);
    const QIcon themed = inTheme.isEmpty() ? QIcon() : QIcon::fromTheme(inTheme);
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

namespace {

// The built-in artwork under the name the icon is installed by, so that a
// StatusNotifier host fetches the installed icon at its own size. Looking
// the name up through the icon theme would give the same picture and cost
// milliseconds of the start.
class NamedIconEngine final : public QIconEngine {
public:
    NamedIconEngine(const QString& name, const QIcon& artwork)
        : m_name(name)
        , m_artwork(artwork)
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_artwork.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_artwork.pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return m_artwork.pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_artwork.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_artwork.availableSizes(mode, state);
    }
    QString iconName() override { return m_name; }
    QString key() const override { return QStringLiteral("NamedIconEngine"); }
    QIconEngine* clone() const override { return new NamedIconEngine(m_name, m_artwork); }

private:
    QString m_name;
    QIcon m_artwork;
};

} // namespace

QIcon applicationIcon()
{
    ensureResources();
    const QString name = QStringLiteral("org.horavia.Horavia");
    const QIcon artwork(QStringLiteral(":/icons/globe.badge.clock.svg"));
    // Named only where the desktop finds it by that name; a copy run from its
    // bundle has only the built-in one.
    const bool installed =
        !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                QStringLiteral("icons/hicolor/scalable/apps/") + name + QStringLiteral(".svg"))
             .isEmpty();
    return installed ? QIcon(new NamedIconEngine(name, artwork)) : artwork;
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
