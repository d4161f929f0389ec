#include "PortalRequest.h"

#include "SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace {

const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

class PendingRequest : public QObject {
    Q_OBJECT

public:
    PendingRequest(const QDBusConnection& bus, const QString& path, std::function<void(uint, const QVariantMap&)> done,
                   QObject* parent)
        : QObject(parent)
        , m_bus(bus)
        , m_path(path)
        , m_done(std::move(done))
    {
        m_bus.connect(QLatin1String(PortalRequest::service), path, requestInterface, QStringLiteral("Response"), this,
                      SLOT(response(uint, QVariantMap)));
    }

    void fail() { finish(2, {}); }

public slots:
    void response(uint code, const QVariantMap& results) { finish(code, results); }

private:
    void finish(uint code, const QVariantMap& results)
    {
        if (!m_done) return;
        m_bus.disconnect(QLatin1String(PortalRequest::service), m_path, requestInterface, QStringLiteral("Response"),
                         this, SLOT(response(uint, QVariantMap)));
        std::exchange(m_done, nullptr)(code, results);
        deleteLater();
    }

    QDBusConnection m_bus;
    QString m_path;
    std::function<void(uint, const QVariantMap&)> m_done;
};

} // namespace

namespace PortalRequest {

void send(const QString& interface, const QString& method, QVariantList arguments, QVariantMap options,
          QObject* context, std::function<void(uint, const QVariantMap&)> done)
{
    static int requests = 0;
    QDBusConnection bus = SessionBus::connection();
    const QString token = QStringLiteral("horavia%1").arg(++requests);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    auto* pending =
        new PendingRequest(bus, QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token),
                           std::move(done), context);
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path), interface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), pending);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, pending, [pending, watcher, method] {
        watcher->deleteLater();
        if (!watcher->isError()) return;
        qWarning("The desktop portal refused %s: %s", qPrintable(method), qPrintable(watcher->error().message()));
        pending->fail();
    });
}

} // namespace PortalRequest

#include "PortalRequest.moc"
