#include "DBusMenu.h"

#include "dbusmenuadaptor.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMetaType>
#include <QSet>
#include <QTimer>

#include <utility>

namespace {

constexpr int rootId = 0;

} // namespace

DBusMenu::DBusMenu(QList<QAction*> actions, QObject* parent)
    : QObject(parent)
{
    registerTypes();
    new DBusMenuAdaptor(this);
    for (QAction* action : actions)
        m_actions.append(action);
    watch();
}

DBusMenu::~DBusMenu() = default;

void DBusMenu::registerTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<Layout>();
        qDBusRegisterMetaType<ItemProperties>();
        qDBusRegisterMetaType<QList<ItemProperties>>();
        qDBusRegisterMetaType<ItemPropertyNames>();
        qDBusRegisterMetaType<QList<ItemPropertyNames>>();
        qDBusRegisterMetaType<MenuEvent>();
        qDBusRegisterMetaType<QList<MenuEvent>>();
        qDBusRegisterMetaType<IdList>();
        qDBusRegisterMetaType<EventList>();
        return true;
    }();
    (void)registered;
}

bool DBusMenu::exportOn(QDBusConnection& bus, const QString& path)
{
    return bus.registerObject(path, this, QDBusConnection::ExportAdaptors);
}

void DBusMenu::watch()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    for (qsizetype i = 0; i < m_actions.size(); ++i) {
        QAction* action = m_actions.at(i);
        if (!action || action->isSeparator()) continue;
        const int id = int(i) + 1;
        m_connections.append(connect(action, &QAction::changed, this, [this, id] {
            emit ItemsPropertiesUpdated({{id, propertiesOf(id, {})}}, {});
        }));
    }
}

void DBusMenu::setActions(QList<QAction*> actions)
{
    if (m_open) {
        m_waiting = std::move(actions);
        return;
    }
    m_actions.clear();
    for (QAction* action : actions)
        m_actions.append(action);
    watch();
    emit LayoutUpdated(++m_revision, rootId);
}

QString DBusMenu::label(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'_') {
            out += QStringLiteral("__");
        } else if (c == u'&' && i + 1 < text.size()) {
            // "&&" is a plain ampersand, "&x" makes x the mnemonic.
            ++i;
            if (text.at(i) != u'&') out += u'_';
            out += text.at(i);
        } else {
            out += c;
        }
    }
    return out;
}

QVariantMap DBusMenu::propertiesOf(int id, const QStringList& names) const
{
    QVariantMap all;
    if (id == rootId) {
        all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (id > 0 && id <= m_actions.size()) {
        const QAction* action = m_actions.at(id - 1);
        if (!action || action->isSeparator()) {
            all.insert(QStringLiteral("type"), QStringLiteral("separator"));
        } else {
            all.insert(QStringLiteral("label"), label(action->text()));
            // A hidden action counts as disabled too; it is only hidden.
            if (action->isVisible() && !action->isEnabled()) all.insert(QStringLiteral("enabled"), false);
            if (!action->isVisible()) all.insert(QStringLiteral("visible"), false);
            if (action->isCheckable()) {
                all.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
                all.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
            }
        }
    }
    if (names.isEmpty()) return all;
    QVariantMap chosen;
    for (const QString& name : names)
        if (all.contains(name)) chosen.insert(name, all.value(name));
    return chosen;
}

uint DBusMenu::GetLayout(int parentId, int depth, const QStringList& names, Layout& out)
{
    out = {};
    if (parentId < 0 || parentId > m_actions.size()) return m_revision;
    out.id = parentId;
    out.properties = propertiesOf(parentId, names);
    // The items are the root's children; they have none of their own.
    if (parentId == rootId && depth != 0) {
        for (qsizetype i = 0; i < m_actions.size(); ++i) {
            const int id = int(i) + 1;
            out.children.append(
                QVariant::fromValue(QDBusVariant(QVariant::fromValue(Layout{id, propertiesOf(id, names), {}}))));
        }
    }
    return m_revision;
}

QList<DBusMenu::ItemProperties> DBusMenu::GetGroupProperties(const IdList& ids, const QStringList& names)
{
    if (tooMany(ids.ids.size(), ids.overflowed)) return {};
    // Each item once, however often it is asked for.
    QList<ItemProperties> out;
    QSet<int> answered;
    for (const int id : ids.ids) {
        if (id < 0 || id > m_actions.size() || answered.contains(id)) continue;
        answered.insert(id);
        out.append({id, propertiesOf(id, names)});
    }
    return out;
}

std::optional<QVariant> DBusMenu::itemProperty(int id, const QString& name) const
{
    if (id < 0 || id > m_actions.size()) return std::nullopt;
    const QVariantMap set = propertiesOf(id, {name});
    if (set.contains(name)) return set.value(name);
    // What the protocol says an item has when it leaves a property out.
    static const QVariantMap defaults{
        {QStringLiteral("type"), QStringLiteral("standard")},
        {QStringLiteral("label"), QString()},
        {QStringLiteral("enabled"), true},
        {QStringLiteral("visible"), true},
        {QStringLiteral("icon-name"), QString()},
        {QStringLiteral("icon-data"), QByteArray()},
        {QStringLiteral("shortcut"), QVariant::fromValue(QList<QStringList>())},
        {QStringLiteral("toggle-type"), QString()},
        {QStringLiteral("toggle-state"), -1},
        {QStringLiteral("children-display"), QString()},
        {QStringLiteral("disposition"), QStringLiteral("normal")},
    };
    const auto known = defaults.constFind(name);
    if (known == defaults.cend()) return std::nullopt;
    return *known;
}

bool DBusMenu::handle(int id, const QString& eventId)
{
    if (id < 0 || id > m_actions.size()) return false;
    if (id == rootId) {
        if (eventId == QLatin1String("opened")) m_open = true;
        if (eventId == QLatin1String("closed")) {
            m_open = false;
            if (m_waiting) setActions(*std::exchange(m_waiting, std::nullopt));
        }
        return true;
    }
    if (eventId != QLatin1String("clicked")) return true;
    // After the reply: the action may open a window or end the process.
    QPointer<QAction> action = m_actions.at(id - 1);
    if (!action || action->isSeparator() || !action->isEnabled() || !action->isVisible()) return true;
    QTimer::singleShot(0, action, [action] {
        if (action) action->trigger();
    });
    return true;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString& name)
{
    const std::optional<QVariant> value = itemProperty(id, name);
    if (!value) {
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("The menu has no item %1 or no property %2").arg(id).arg(name.left(64)));
        return {};
    }
    return QDBusVariant(*value);
}

void DBusMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint)
{
    handle(id, eventId);
}

QList<int> DBusMenu::EventGroup(const EventList& events)
{
    if (tooMany(events.events.size(), events.overflowed)) return {};
    QList<int> errors;
    for (const MenuEvent& event : events.events)
        if (!handle(event.id, event.eventId)) errors.append(event.id);
    return errors;
}

bool DBusMenu::AboutToShow(int)
{
    return false; // the layout is always current
}

QList<int> DBusMenu::AboutToShowGroup(const IdList& ids, QList<int>& idErrors)
{
    idErrors.clear();
    tooMany(ids.ids.size(), ids.overflowed);
    return {};
}

bool DBusMenu::tooMany(qsizetype count, bool overflowed)
{
    if (count <= itemCount() && !overflowed) return false;
    sendErrorReply(QDBusError::LimitsExceeded, QStringLiteral("%1%2 entries for a menu of %3 items")
                                                   .arg(overflowed ? QStringLiteral("more than ") : QString())
                                                   .arg(count)
                                                   .arg(itemCount()));
    return true;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::Layout& layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const QVariant& child : layout.children)
        argument << child.value<QDBusVariant>();
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::Layout& layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties;
    layout.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        layout.children.append(QVariant::fromValue(child));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::ItemProperties& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::ItemProperties& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::ItemPropertyNames& item)
{
    argument.beginStructure();
    argument << item.id << item.names;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::ItemPropertyNames& item)
{
    argument.beginStructure();
    argument >> item.id >> item.names;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::MenuEvent& event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::MenuEvent& event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

namespace {

template <typename T> const QDBusArgument& readBounded(const QDBusArgument& argument, QList<T>& items, bool& overflowed)
{
    items.clear();
    overflowed = false;
    argument.beginArray();
    while (!argument.atEnd()) {
        if (items.size() == DBusMenu::mostListed) {
            // Left unread: the message's iterator is already past the array.
            overflowed = true;
            break;
        }
        T item;
        argument >> item;
        items.append(item);
    }
    argument.endArray();
    return argument;
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::IdList& list)
{
    return argument << list.ids;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::IdList& list)
{
    return readBounded(argument, list.ids, list.overflowed);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenu::EventList& list)
{
    return argument << list.events;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenu::EventList& list)
{
    return readBounded(argument, list.events, list.overflowed);
}

#include "moc_DBusMenu.cpp"
