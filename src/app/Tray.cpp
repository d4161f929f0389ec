#include "Tray.h"

#include "platform/StatusNotifierItem.h"
#include "ui/Symbols.h"
#include "ui/TrayTimeIcon.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <utility>

Tray::Tray(QObject* parent)
    : QObject(parent)
{
    // A drawn time follows the desktop from light to dark at once.
    qGuiApp->installEventFilter(this);
}

bool Tray::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange)
        if (const QString time = std::exchange(m_timeIcon, QString()); !time.isEmpty())
            setTimeIcon(time, m_timeIconChosen);
    return QObject::eventFilter(watched, event);
}

Tray::~Tray() = default;

std::unique_ptr<Tray> Tray::make(QAction* showClocks, const QList<QAction*>& menu, QObject* parent)
{
    std::unique_ptr<Tray> tray(new Tray(parent));
    tray->m_actions = menu;
    if (StatusNotifierItem::watcherPresent()) {
        QList<QAction*> exported{showClocks, nullptr};
        exported += menu;
        tray->m_item =
            std::make_unique<StatusNotifierItem>(QStringLiteral("horavia"), QStringLiteral("Horavia"), exported);
        StatusNotifierItem* item = tray->m_item.get();
        item->setToolTip(QStringLiteral("Horavia"));
        connect(item, &StatusNotifierItem::activated, tray.get(), [raw = tray.get()](QPoint at) {
            // A point is of use only where a client may place its windows.
            const bool placeable = QGuiApplication::platformName() == QLatin1String("xcb");
            emit raw->activated(placeable && !at.isNull() ? QRect(at, QSize(1, 1)) : QRect());
        });
        connect(item, &StatusNotifierItem::secondaryActivated, tray.get(), &Tray::middleClicked);
        connect(item, &StatusNotifierItem::scrolled, tray.get(), &Tray::scrolled);
        connect(item, &StatusNotifierItem::contextMenuRequested, tray.get(), &Tray::showMenuAt);
        return tray;
    }
    // An X11 tray may start after the application and Qt then shows the
    // icon; elsewhere there is no icon to make.
    if (QGuiApplication::platformName() != QLatin1String("xcb") && !QSystemTrayIcon::isSystemTrayAvailable())
        return nullptr;
    tray->m_icon = new QSystemTrayIcon(Symbols::applicationIcon(), tray.get());
    tray->m_icon->setToolTip(QStringLiteral("Horavia"));
    connect(tray->m_icon, &QSystemTrayIcon::activated, tray.get(),
            [raw = tray.get()](QSystemTrayIcon::ActivationReason activation) {
                // A quick second click arrives as a double click; it toggles too.
                if (activation == QSystemTrayIcon::Trigger || activation == QSystemTrayIcon::DoubleClick ||
                    activation == QSystemTrayIcon::MiddleClick)
                    emit raw->activated(raw->anchor());
            });
    return tray;
}

void Tray::setVisible(bool visible)
{
    if (m_item) {
        m_item->setVisible(visible);
        // The icon's pixels are made while the registration is on its way:
        // the host asks for them once the watcher has told it, by when
        // they are there.
        if (visible && m_item->pixmaps().isEmpty())
            m_item->setIcon(QStringLiteral("org.horavia.Horavia"), Symbols::applicationIcon());
        return;
    }
    // The menu goes with the icon, also when the tray comes up after the
    // application (at login) or the icon is switched on later.
    if (visible && !m_menu) m_icon->setContextMenu(&menu());
    m_icon->setVisible(visible);
}

bool Tray::isVisible() const
{
    return m_item ? m_item->isVisible() : m_icon->isVisible();
}

bool Tray::isShown() const
{
    // The watcher answers the item's registration later; it was there.
    if (m_item) return m_item->isVisible();
    return m_icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void Tray::setToolTip(const QString& text)
{
    if (m_item)
        m_item->setToolTip(text);
    else if (text != m_icon->toolTip())
        m_icon->setToolTip(text);
}

void Tray::setLabel(const QString& text, const QString& guide)
{
    // Qt's icon has no text beside it.
    if (m_item) m_item->setLabel(text, guide);
}

void Tray::setTimeIcon(const QString& time, bool chosen)
{
    // The application's icon is the same for a set time and for now.
    chosen = chosen && !time.isEmpty();
    if (time == m_timeIcon && chosen == m_timeIconChosen) return;
    m_timeIcon = time;
    m_timeIconChosen = chosen;
    const QIcon icon = time.isEmpty()
                           ? Symbols::applicationIcon()
                           : TrayTimeIcon::icon(time, QGuiApplication::palette(),
                                                chosen ? TrayTimeIcon::Moment::chosen : TrayTimeIcon::Moment::now);
    if (m_item)
        m_item->setIcon(time.isEmpty() ? QStringLiteral("org.horavia.Horavia") : QString(), icon);
    else
        m_icon->setIcon(icon);
}

QRect Tray::anchor() const
{
    return m_icon ? m_icon->geometry() : QRect();
}

bool Tray::placed() const
{
    if (m_item) return m_item->isVisible();
    // Until the tray has embedded it, Qt gives the icon's place as the
    // screen's origin.
    const QRect at = m_icon->geometry();
    return isShown() && !at.isEmpty() && !at.topLeft().isNull();
}

void Tray::whenShown(std::chrono::milliseconds wait, QObject* context, std::function<void(bool shown)> then)
{
    if (placed()) {
        then(true);
        return;
    }
    // Qt tells nothing when the tray embeds its icon: it is looked for a
    // few times a second, only for this short while at the start.
    auto* poll = new QTimer(this);
    poll->setInterval(50);
    QElapsedTimer waited;
    waited.start();
    connect(poll, &QTimer::timeout, this,
            [this, poll, waited, wait, guard = QPointer<QObject>(context), then = std::move(then)] {
                const bool shown = placed();
                if (!shown && !waited.hasExpired(wait.count())) return;
                poll->stop();
                poll->deleteLater();
                // A tray in the screen's corner has the icon at the origin too.
                if (guard) then(shown || isShown());
            });
    poll->start();
}

void Tray::afterHostReadIcon(std::chrono::milliseconds wait, QObject* context, std::function<void()> then)
{
    if (!m_item || !m_item->isVisible() || m_item->iconRead()) {
        then();
        return;
    }
    // Whichever comes first; the other finds `then` gone.
    auto once = std::make_shared<std::function<void()>>(std::move(then));
    const auto run = [once] {
        if (*once) std::exchange(*once, nullptr)();
    };
    connect(m_item.get(), &StatusNotifierItem::iconReadByHost, context, run, Qt::SingleShotConnection);
    QTimer::singleShot(wait, context, run);
}

void Tray::showMenuAt(const QPoint& at)
{
    menu().popup(at.isNull() ? QCursor::pos() : at);
}

QMenu& Tray::menu()
{
    if (!m_menu) {
        m_menu = std::make_unique<QMenu>();
        for (QAction* action : std::as_const(m_actions)) {
            if (action)
                m_menu->addAction(action);
            else
                m_menu->addSeparator();
        }
    }
    return *m_menu;
}

void Tray::setNeedsAttention(bool needs)
{
    if (m_item) m_item->setNeedsAttention(needs);
}
