// GLib names a struct field "signals": Qt's keyword macros are off here.
#include "DesktopCalendars.h"

#include <QPointer>
#include <QTimeZone>

#include <libecal/libecal.h>

namespace {

// The service's registry of sources: one for the process, made when first
// wanted, made again when the service (re)appears on the bus.
class Registry {
public:
    static Registry& instance()
    {
        static Registry* const made = new Registry;
        return *made;
    }

    ESourceRegistry* registry() const { return m_registry; }

    void whenReady(QObject* context, std::function<void()> then)
    {
        if (m_registry) {
            then();
            return;
        }
        m_waiting.append({QPointer<QObject>(context), std::move(then)});
        start();
    }

private:
    Registry()
    {
        // At login the service may come after Horavia: wait for its name.
        g_bus_watch_name(G_BUS_TYPE_SESSION, "org.gnome.evolution.dataserver.Sources5", G_BUS_NAME_WATCHER_FLAGS_NONE,
                         &Registry::appeared, nullptr, this, nullptr);
    }

    static void appeared(GDBusConnection*, const gchar*, const gchar*, gpointer self)
    {
        static_cast<Registry*>(self)->start();
    }

    void start()
    {
        if (m_registry || m_starting) return;
        m_starting = true;
        e_source_registry_new(nullptr, &Registry::made, this);
    }

    static void made(GObject*, GAsyncResult* result, gpointer data)
    {
        auto* self = static_cast<Registry*>(data);
        self->m_starting = false;
        GError* error = nullptr;
        self->m_registry = e_source_registry_new_finish(result, &error);
        if (error) {
            // No service (yet): the name watch starts again when it comes.
            g_error_free(error);
            return;
        }
        const auto waiting = std::exchange(self->m_waiting, {});
        for (const auto& [context, then] : waiting)
            if (context) then();
    }

    ESourceRegistry* m_registry = nullptr;
    bool m_starting = false;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
};

QString text(const gchar* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

QList<DesktopCalendars::Listed> enabledCalendars(ESourceRegistry* registry)
{
    QList<DesktopCalendars::Listed> out;
    GList* sources = e_source_registry_list_enabled(registry, E_SOURCE_EXTENSION_CALENDAR);
    for (GList* each = sources; each; each = each->next) {
        auto* source = E_SOURCE(each->data);
        auto* calendar = E_SOURCE_SELECTABLE(e_source_get_extension(source, E_SOURCE_EXTENSION_CALENDAR));
        out.append({.uid = text(e_source_get_uid(source)),
                    .name = text(e_source_get_display_name(source)),
                    .colour = text(e_source_selectable_get_color(calendar)).left(7)});
    }
    g_list_free_full(sources, g_object_unref);
    return out;
}

struct Watch {
    QPointer<QObject> context;
    std::function<void(const QList<DesktopCalendars::Listed>&)> listed;
};

void relist(ESourceRegistry* registry, ESource*, gpointer data)
{
    auto* watch = static_cast<Watch*>(data);
    if (watch->context) watch->listed(enabledCalendars(registry));
}

} // namespace

namespace DesktopCalendars {

void watch(QObject* context, std::function<void(const QList<Listed>&)> listed)
{
    Registry::instance().whenReady(context, [context, listed = std::move(listed)] {
        ESourceRegistry* registry = Registry::instance().registry();
        auto* watch = new Watch{context, listed};
        for (const char* change :
             {"source-added", "source-removed", "source-changed", "source-enabled", "source-disabled"})
            g_signal_connect(registry, change, G_CALLBACK(relist), watch);
        // Gone with its context: no more lists, and the handlers let go.
        QObject::connect(context, &QObject::destroyed, [registry, watch] {
            g_signal_handlers_disconnect_by_data(registry, watch);
            delete watch;
        });
        listed(enabledCalendars(registry));
    });
}

} // namespace DesktopCalendars

struct DesktopReader::Service {
    GCancellable* cancellable = g_cancellable_new();
    ECalClient* client = nullptr;
    ECalClientView* view = nullptr;

    ~Service()
    {
        g_cancellable_cancel(cancellable);
        if (view) {
            e_cal_client_view_stop(view, nullptr);
            g_object_unref(view);
        }
        if (client) g_object_unref(client);
        g_object_unref(cancellable);
    }
};

namespace {

// What an asynchronous call's callback is given: the feed, if it still is.
using Guard = QPointer<DesktopReader>;

template <typename Then> void later(GObject* source, GAsyncResult* result, gpointer data, Then then)
{
    std::unique_ptr<Guard> guard(static_cast<Guard*>(data));
    if (*guard) then(guard->data(), source, result);
}

} // namespace

DesktopReader::DesktopReader(const QString& uid, Sink sink)
    : m_uid(uid)
    , m_sink(std::move(sink))
    , m_service(std::make_unique<Service>())
{
    // A change comes as several signals (a series and its moved occurrences).
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, &DesktopReader::readAll);
    Registry::instance().whenReady(this, [this] { open(); });
}

DesktopReader::~DesktopReader()
{
    // The view's signals reach the reader's timer: not after it is gone.
    if (m_service->view) g_signal_handlers_disconnect_by_data(m_service->view, &m_settle);
}

void DesktopReader::open()
{
    ESource* source = e_source_registry_ref_source(Registry::instance().registry(), m_uid.toUtf8().constData());
    if (!source) {
        m_sink.failed(Problem::gone, {});
        return;
    }
    // Connected without waiting for the backend: a finite wait on a new
    // calendar stalls for all of it.
    e_cal_client_connect(
        source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS, guint32(-1), m_service->cancellable,
        [](GObject* object, GAsyncResult* result, gpointer data) {
            later(object, result, data, [](DesktopReader* self, GObject*, GAsyncResult* done) {
                GError* error = nullptr;
                EClient* client = e_cal_client_connect_finish(done, &error);
                if (!client) {
                    self->m_sink.failed(Problem::unopened, text(error ? error->message : nullptr));
                    if (error) g_error_free(error);
                    return;
                }
                self->m_service->client = E_CAL_CLIENT(client);
                // Floating times are the system zone's, as the clocks' home.
                const QByteArray zone = QTimeZone::systemTimeZoneId();
                if (ICalTimezone* home = i_cal_timezone_get_builtin_timezone(zone.constData()))
                    e_cal_client_set_default_timezone(self->m_service->client, home);
                self->readAll();
                // Whose calendar it is: an invitation that address declined is left out.
                e_client_get_backend_property(
                    client, E_CAL_BACKEND_PROPERTY_CAL_EMAIL_ADDRESS, self->m_service->cancellable,
                    [](GObject* addressSource, GAsyncResult* addressResult, gpointer addressData) {
                        later(addressSource, addressResult, addressData,
                              [](DesktopReader* reader, GObject* from, GAsyncResult* answered) {
                                  gchar* value = nullptr;
                                  if (!e_client_get_backend_property_finish(E_CLIENT(from), answered, &value, nullptr))
                                      return;
                                  const QStringList addresses = text(value).split(u',', Qt::SkipEmptyParts);
                                  g_free(value);
                                  if (!addresses.isEmpty()) reader->m_sink.addresses(addresses);
                              });
                    },
                    new Guard(self));
                e_cal_client_get_view(
                    self->m_service->client, "#t", self->m_service->cancellable,
                    [](GObject* viewSource, GAsyncResult* viewResult, gpointer viewData) {
                        later(viewSource, viewResult, viewData,
                              [](DesktopReader* reader, GObject* from, GAsyncResult* made) {
                                  ECalClientView* view = nullptr;
                                  if (!e_cal_client_get_view_finish(E_CAL_CLIENT(from), made, &view, nullptr) || !view)
                                      return;
                                  reader->m_service->view = view;
                                  for (const char* signal : {"objects-added", "objects-modified", "objects-removed"})
                                      g_signal_connect_swapped(view, signal,
                                                               G_CALLBACK(+[](QTimer* settle) { settle->start(); }),
                                                               &reader->m_settle);
                                  e_cal_client_view_start(view, nullptr);
                              });
                    },
                    new Guard(self));
            });
        },
        new Guard(this));
    g_object_unref(source);
}

void DesktopReader::readAll()
{
    if (!m_service->client) return;
    e_cal_client_get_object_list(
        m_service->client, "#t", m_service->cancellable,
        [](GObject* object, GAsyncResult* result, gpointer data) {
            later(object, result, data, [](DesktopReader* self, GObject* from, GAsyncResult* done) {
                GSList* components = nullptr;
                GError* error = nullptr;
                if (!e_cal_client_get_object_list_finish(E_CAL_CLIENT(from), done, &components, &error)) {
                    self->m_sink.failed(Problem::unread, text(error ? error->message : nullptr));
                    if (error) g_error_free(error);
                    return;
                }
                // Each series whole, with its moved occurrences, as one calendar file.
                QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Horavia//EN\r\n";
                int count = 0;
                for (GSList* each = components; each && count < mostEvents; each = each->next, ++count) {
                    gchar* one = i_cal_component_as_ical_string(I_CAL_COMPONENT(each->data));
                    ics += one;
                    g_free(one);
                }
                g_slist_free_full(components, g_object_unref);
                ics += "END:VCALENDAR\r\n";
                self->m_sink.read(ics);
            });
        },
        new Guard(this));
}
