#include "StatusNotifierItem.h"

#include "ActivationToken.h"
#include "DBusMenu.h"
#include "SessionBus.h"
#include "statusnotifieritemadaptor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QImage>
#include <QTimer>
#include <QtEndian>

namespace {

const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");

// What a host may pass: a point on any screen, a few notches of the wheel.
constexpr int coordinateLimit = 1 << 20;
constexpr int wheelLimit = 10 * 120;

QPoint pointFrom(int x, int y)
{
    if (std::abs(x) > coordinateLimit || std::abs(y) > coordinateLimit || (x == 0 && y == 0)) return {};
    return {x, y};
}

} // namespace

StatusNotifierItem::StatusNotifierItem(const QString& id, const QString& title, const QList<QAction*>& menu,
                                       QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_title(title)
    , m_menu(new DBusMenu(menu, this))
    , m_watcher(new QDBusServiceWatcher(QLatin1String(watcherService), SessionBus::connection(),
                                        QDBusServiceWatcher::WatchForRegistration, this))
{
    qDBusRegisterMetaType<Pixmap>();
    qDBusRegisterMetaType<QList<Pixmap>>();
    qDBusRegisterMetaType<ToolTip>();
    new StatusNotifierItemAdaptor(this);
    // A panel that restarts brings a new watcher, which knows no items.
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        if (m_visible) registerWithWatcher();
    });
    // On a new connection after the bus dropped the old one, the item is put
    // on the bus again under a new name, and the watcher is told.
    connect(&SessionBus::instance(), &SessionBus::reconnected, this, [this] {
        m_watcher->setConnection(SessionBus::connection());
        if (!m_visible) return;
        m_visible = false;
        m_serviceName.clear();
        setVisible(true);
        qInfo("The tray item is back on the session bus as %s", qPrintable(m_serviceName));
    });
}

StatusNotifierItem::~StatusNotifierItem()
{
    setVisible(false);
}

bool StatusNotifierItem::watcherPresent()
{
    const QDBusConnection bus = SessionBus::connection();
    return bus.isConnected() && bus.interface()->isServiceRegistered(QLatin1String(watcherService)).value();
}

void StatusNotifierItem::setVisible(bool visible)
{
    if (visible == m_visible) return;
    QDBusConnection bus = SessionBus::connection();
    if (!visible) {
        m_visible = false;
        bus.unregisterObject(QLatin1String(itemPath));
        bus.unregisterObject(QLatin1String(menuPath));
        if (!m_serviceName.isEmpty()) bus.unregisterService(m_serviceName);
        m_serviceName.clear();
        if (std::exchange(m_registered, false)) emit registeredChanged(false);
        return;
    }
    if (!bus.isConnected()) return;
    // A name of the protocol's form, unique to this process and item.
    static int made = 0;
    const QString name =
        QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++made);
    if (!bus.registerObject(QLatin1String(itemPath), this, QDBusConnection::ExportAdaptors) ||
        !m_menu->exportOn(bus, QLatin1String(menuPath)) || !bus.registerService(name)) {
        qWarning("The tray item could not be put on the session bus: %s", qPrintable(bus.lastError().message()));
        bus.unregisterObject(QLatin1String(itemPath));
        bus.unregisterObject(QLatin1String(menuPath));
        return;
    }
    m_serviceName = name;
    m_visible = true;
    m_iconRead = false;
    registerWithWatcher();
}

void StatusNotifierItem::registerWithWatcher(int attempt)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(watcherService), QStringLiteral("/StatusNotifierWatcher"),
                                       QLatin1String(watcherService), QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(SessionBus::connection().asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending, attempt, name = m_serviceName] {
        pending->deleteLater();
        if (name != m_serviceName) return; // taken off meanwhile
        const bool registered = !pending->isError();
        if (!registered) {
            // A watcher that has just taken its name may not answer yet.
            constexpr int attempts = 5;
            if (attempt < attempts) {
                QTimer::singleShot(200 * (attempt + 1), this, [this, attempt, name] {
                    if (name == m_serviceName) registerWithWatcher(attempt + 1);
                });
                return;
            }
            qWarning("The tray's watcher refused the item: %s", qPrintable(pending->error().message()));
        }
        if (std::exchange(m_registered, registered) != registered) emit registeredChanged(registered);
    });
}

void StatusNotifierItem::setIcon(const QString& themeName, const QIcon& icon)
{
    m_iconName = themeName;
    m_pixmaps = pixmapsOf(icon);
    emit NewIcon();
}

QString StatusNotifierItem::iconNameForHost() const
{
    noteIconRead();
    return m_iconName;
}

QList<StatusNotifierItem::Pixmap> StatusNotifierItem::pixmapsForHost() const
{
    noteIconRead();
    return m_pixmaps;
}

void StatusNotifierItem::noteIconRead() const
{
    if (std::exchange(m_iconRead, true)) return;
    // Queued: the bus's answer leaves first, and what waits for the icon
    // does not hold it up.
    auto* self = const_cast<StatusNotifierItem*>(this);
    QTimer::singleShot(0, self, [self] { emit self->iconReadByHost(); });
}

void StatusNotifierItem::setToolTip(const QString& text)
{
    if (text == m_toolTip) return;
    m_toolTip = text;
    emit NewToolTip();
}

void StatusNotifierItem::setLabel(const QString& label, const QString& guide)
{
    if (label == m_label && guide == m_labelGuide) return;
    m_label = label;
    m_labelGuide = guide;
    emit XAyatanaNewLabel(label, guide);
}

StatusNotifierItem::ToolTip StatusNotifierItem::toolTipValue() const
{
    // The times are the title: hosts show it whole, some nothing else.
    return {m_iconName, {}, m_toolTip, QString()};
}

QList<StatusNotifierItem::Pixmap> StatusNotifierItem::pixmapsOf(const QIcon& icon)
{
    QList<Pixmap> out;
    // The panel's sizes at scale 1 and 2.
    for (const int side : {16, 22, 24, 32, 44, 48, 64}) {
        QImage image = icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) continue;
        if (image.size() != QSize(side, side))
            image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
        Pixmap pixmap{image.width(), image.height(), QByteArray()};
        pixmap.argb.resize(qsizetype(image.width()) * image.height() * 4);
        auto* to = reinterpret_cast<quint32*>(pixmap.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* from = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *to++ = qToBigEndian(from[x]);
        }
        out.append(std::move(pixmap));
    }
    return out;
}

void StatusNotifierItem::Scroll(int delta, const QString& orientation)
{
    if (orientation.compare(QLatin1String("vertical"), Qt::CaseInsensitive) != 0 &&
        orientation.compare(QLatin1String("horizontal"), Qt::CaseInsensitive) != 0)
        return;
    if (delta == 0) return;
    // The protocol leaves the sign to the host, and hosts disagree. Plasma
    // passes Qt's wheel angle: 120 a notch, positive up. GTK's and Clutter's
    // hosts (GNOME's AppIndicator extension, waybar, gtk-sni-tray) pass a
    // count of notches or pixels, positive down. A whole number of 120-unit
    // notches is read as Plasma's (a few at most); any other value as a
    // host's count, one notch a call. No abs(): a hostile host may send INT_MIN.
    const bool angle = delta % 120 == 0;
    const int units = angle ? std::clamp(delta, -wheelLimit, wheelLimit) : (delta > 0 ? -120 : 120);
    emit scrolled(units);
}

void StatusNotifierItem::ProvideXdgActivationToken(const QString& token)
{
    ActivationToken::use(token);
}

void StatusNotifierItem::Activate(int x, int y)
{
    emit activated(pointFrom(x, y));
}

void StatusNotifierItem::SecondaryActivate(int, int)
{
    emit secondaryActivated();
}

void StatusNotifierItem::ContextMenu(int x, int y)
{
    emit contextMenuRequested(pointFrom(x, y));
}

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierItem::Pixmap& pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierItem::Pixmap& pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierItem::ToolTip& tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.pixmaps << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierItem::ToolTip& tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

void StatusNotifierItem::setNeedsAttention(bool needs)
{
    if (needs == m_needsAttention) return;
    m_needsAttention = needs;
    emit NewStatus(status());
}

#include "moc_StatusNotifierItem.cpp"
