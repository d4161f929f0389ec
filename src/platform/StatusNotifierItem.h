#pragma once

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>

#include <memory>

class DBusMenu;
class QAction;
class QDBusServiceWatcher;

// The application's own item in a StatusNotifier tray
// (org.kde.StatusNotifierItem), with its menu over com.canonical.dbusmenu,
// registered with the desktop's watcher, and again whenever a watcher
// comes up (the desktop's panel restarting). Every call a host makes is
// checked: any process on the session bus may make one.
class StatusNotifierItem : public QObject {
    Q_OBJECT
    // The protocol's properties, which the adaptor made from its interface
    // file reads by these names.
    Q_PROPERTY(QString Category READ category CONSTANT)
    Q_PROPERTY(QString Id READ id CONSTANT)
    Q_PROPERTY(QString Title READ title CONSTANT)
    Q_PROPERTY(QString Status READ status NOTIFY NewStatus)
    Q_PROPERTY(int WindowId READ windowId CONSTANT)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu CONSTANT)
    Q_PROPERTY(QString IconName READ iconNameForHost NOTIFY NewIcon)
    Q_PROPERTY(QList<StatusNotifierItem::Pixmap> IconPixmap READ pixmapsForHost NOTIFY NewIcon)
    Q_PROPERTY(QString OverlayIconName READ none CONSTANT)
    Q_PROPERTY(QList<StatusNotifierItem::Pixmap> OverlayIconPixmap READ noPixmaps CONSTANT)
    Q_PROPERTY(QString AttentionIconName READ none CONSTANT)
    Q_PROPERTY(QList<StatusNotifierItem::Pixmap> AttentionIconPixmap READ pixmapsForHost NOTIFY NewIcon)
    Q_PROPERTY(QString AttentionMovieName READ none CONSTANT)
    Q_PROPERTY(QString IconThemePath READ none CONSTANT)
    Q_PROPERTY(StatusNotifierItem::ToolTip ToolTip READ toolTipValue NOTIFY NewToolTip)
    Q_PROPERTY(QDBusObjectPath Menu READ menuPathValue CONSTANT)
    Q_PROPERTY(QString XAyatanaLabel READ label NOTIFY XAyatanaNewLabel)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide NOTIFY XAyatanaNewLabel)

public:
    struct Pixmap {
        int width = 0;
        int height = 0;
        QByteArray argb; // ARGB32 in network byte order
    };
    struct ToolTip {
        QString iconName;
        QList<Pixmap> pixmaps;
        QString title;
        QString text;
    };

    static constexpr const char* watcherService = "org.kde.StatusNotifierWatcher";
    static constexpr const char* itemPath = "/StatusNotifierItem";
    static constexpr const char* menuPath = "/MenuBar";

    // `menu` in order, a null entry for a separator.
    StatusNotifierItem(const QString& id, const QString& title, const QList<QAction*>& menu, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a watcher is on the session bus to show an item.
    static bool watcherPresent();

    // Puts the item on the bus (and with the watcher) or takes it off.
    void setVisible(bool visible);
    bool isVisible() const { return m_visible; }
    // Whether the watcher took the item in.
    bool isRegistered() const { return m_registered; }
    // Whether a host has read the icon since the item went on the bus: it
    // draws it then.
    bool iconRead() const { return m_iconRead; }

    void setIcon(const QString& themeName, const QIcon& icon);
    void setToolTip(const QString& text);
    QString toolTip() const { return m_toolTip; }
    // The text beside the icon, where a host shows one, and the widest it
    // can be, so that the item keeps its width.
    void setLabel(const QString& label, const QString& guide);
    // Asks the host to draw the user's eye to the item (a message that
    // could not be shown elsewhere waits in the panel).
    void setNeedsAttention(bool needs);
    DBusMenu& menu() const { return *m_menu; }

    // The icon's pixels at the sizes hosts ask for.
    static QList<Pixmap> pixmapsOf(const QIcon& icon);

    QString id() const { return m_id; }
    QString title() const { return m_title; }
    QString iconName() const { return m_iconName; }
    const QList<Pixmap>& pixmaps() const { return m_pixmaps; }
    ToolTip toolTipValue() const;
    QString label() const { return m_label; }
    QString labelGuide() const { return m_labelGuide; }
    QString serviceName() const { return m_serviceName; }

public slots:
    // The protocol's calls, as the adaptor passes them on. Any process on
    // the session bus may make one: each is checked here.
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);
    void ProvideXdgActivationToken(const QString& token);

signals:
    // A click: at the given point on screen when the host says (else null).
    void activated(QPoint at);
    void secondaryActivated();
    void contextMenuRequested(QPoint at);
    // The wheel turned, in a mouse wheel's units (120 a notch, positive
    // away from the user), as a QWheelEvent's angle delta.
    void scrolled(int angleDelta);
    void registeredChanged(bool registered);
    // A host read the icon for the first time; told after the answer left.
    void iconReadByHost();

    // The protocol's signals, which the adaptor relays.
    void NewIcon();
    void NewToolTip();
    void XAyatanaNewLabel(const QString& label, const QString& guide);
    void NewStatus(const QString& status);

private:
    static QString category() { return QStringLiteral("ApplicationStatus"); }
    QString status() const { return m_needsAttention ? QStringLiteral("NeedsAttention") : QStringLiteral("Active"); }
    static int windowId() { return 0; }
    static bool itemIsMenu() { return false; }
    static QString none() { return {}; }
    static QList<Pixmap> noPixmaps() { return {}; }
    static QDBusObjectPath menuPathValue() { return QDBusObjectPath(QLatin1String(menuPath)); }
    QString iconNameForHost() const;
    QList<Pixmap> pixmapsForHost() const;
    void noteIconRead() const;

    void registerWithWatcher(int attempt = 0);

    QString m_id;
    QString m_title;
    QString m_iconName;
    QList<Pixmap> m_pixmaps;
    QString m_toolTip;
    QString m_label;
    QString m_labelGuide;
    QString m_serviceName;
    bool m_visible = false;
    bool m_needsAttention = false;
    bool m_registered = false;
    mutable bool m_iconRead = false;
    DBusMenu* m_menu;
    QDBusServiceWatcher* m_watcher;
};

Q_DECLARE_METATYPE(StatusNotifierItem::Pixmap)
Q_DECLARE_METATYPE(StatusNotifierItem::ToolTip)

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierItem::Pixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierItem::Pixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierItem::ToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierItem::ToolTip& tip);
