#pragma once

#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusVariant>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include <optional>

class QAction;
class QDBusConnection;

// A menu of actions exported over com.canonical.dbusmenu, for a
// StatusNotifier host to draw. Its layout is fixed by the actions given:
// a hidden or disabled action stays in place with its state as a
// property, so a host's open menu is never rebuilt under the pointer; a new
// list of actions waits for the menu to close.
// The call being answered is the menu's (QtDBus sets it on the exported
// object, not on its adaptor), for the adaptor's error replies.
class DBusMenu : public QObject, public QDBusContext {
    Q_OBJECT
    // The protocol's properties, which the adaptor made from its interface
    // file reads by these names.
    Q_PROPERTY(uint Version READ version CONSTANT)
    Q_PROPERTY(QString TextDirection READ textDirection CONSTANT)
    Q_PROPERTY(QString Status READ status CONSTANT)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath CONSTANT)

public:
    // One item: its id, its properties and (as variants) its children.
    struct Layout {
        int id = 0;
        QVariantMap properties;
        QVariantList children;
    };
    struct ItemProperties {
        int id = 0;
        QVariantMap properties;
    };
    struct ItemPropertyNames {
        int id = 0;
        QStringList names;
    };
    struct MenuEvent {
        int id = 0;
        QString eventId;
        QDBusVariant data;
        uint timestamp = 0;
    };

    // A list a peer sends, read no further than a menu could need: past
    // `most` entries the rest stays unread in the message (QtDBus would
    // otherwise copy millions of them before the call is even looked at).
    static constexpr qsizetype mostListed = 1024;
    struct IdList {
        QList<int> ids;
        bool overflowed = false;
    };
    struct EventList {
        QList<MenuEvent> events;
        bool overflowed = false;
    };

    // `actions` in order; a null entry is a separator.
    explicit DBusMenu(QList<QAction*> actions, QObject* parent = nullptr);
    ~DBusMenu() override;

    static void registerTypes();
    bool exportOn(QDBusConnection& bus, const QString& path);
    void setActions(QList<QAction*> actions);
    bool isOpen() const { return m_open; }

    // Its items, the root included: no request names more.
    qsizetype itemCount() const { return m_actions.size() + 1; }
    uint revision() const { return m_revision; }

    // "Quit &Horavia" as the protocol writes it: "Quit _Horavia".
    static QString label(const QString& text);

public slots:
    // The protocol's calls, as the adaptor passes them on. Any process on
    // the bus may make one: a list longer than the menu is refused at once,
    // as is a property or an item the menu does not have, so that no call
    // can hold the main thread, grow a reply past the bus's limit or wait
    // out the caller's timeout.
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames, DBusMenu::Layout& layout);
    QList<DBusMenu::ItemProperties> GetGroupProperties(const DBusMenu::IdList& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const DBusMenu::EventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const DBusMenu::IdList& ids, QList<int>& idErrors);

signals:
    // The protocol's signals, which the adaptor relays.
    void LayoutUpdated(uint revision, int parent);
    void ItemsPropertiesUpdated(const QList<DBusMenu::ItemProperties>& updated,
                                const QList<DBusMenu::ItemPropertyNames>& removed);

private:
    static uint version() { return 3; }
    static QString textDirection() { return QStringLiteral("ltr"); }
    static QString status() { return QStringLiteral("normal"); }
    static QStringList iconThemePath() { return {}; }
    // None for an item the menu lacks or a property the protocol does not
    // name; the protocol's default for one the item leaves out.
    std::optional<QVariant> itemProperty(int id, const QString& name) const;
    // False for an id the menu does not have.
    bool handle(int id, const QString& eventId);
    // More entries than the menu has items is no host's request: refused
    // with LimitsExceeded.
    bool tooMany(qsizetype count, bool overflowed);

    QVariantMap propertiesOf(int id, const QStringList& names) const;
    void watch();

    QList<QPointer<QAction>> m_actions; // id - 1; null: a separator
    QList<bool> m_separators;
    uint m_revision = 1;
    bool m_open = false;
    std::optional<QList<QAction*>> m_waiting;
    QList<QMetaObject::Connection> m_connections;
};

Q_DECLARE_METATYPE(DBusMenu::Layout)
Q_DECLARE_METATYPE(DBusMenu::ItemProperties)
Q_DECLARE_METATYPE(DBusMenu::ItemPropertyNames)
Q_DECLARE_METATYPE(DBusMenu::MenuEvent)
Q_DECLARE_METATYPE(DBusMenu::IdList)
Q_DECLARE_METATYPE(DBusMenu::EventList)

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::Layout& layout);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::Layout& layout);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::ItemProperties& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::ItemProperties& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::ItemPropertyNames& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::ItemPropertyNames& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::MenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::MenuEvent& event);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::IdList& list);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::IdList& list);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::EventList& list);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::EventList& list);
