#include "PortalRequest.h"

#include "SessionBus.h"
#include "portalrequestinterface.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace {

// The request's answer, heard once; the request object goes with it.
class PendingRequest : public PortalRequestInterface {
public:
    PendingRequest(const QDBusConnection& bus, const QString& path, std::function<void(uint, const QVariantMap&)> done,
                   QObject* parent)
        : PortalRequestInterface(QLatin1String(PortalRequest::service), path, bus, parent)
        , m_done(std::move(done))
    {
        connect(this, &PortalRequestInterface::Response, this, &PendingRequest::finish);
    }

    void fail() { finish(2, {}); }

private:
    void finish(uint code, const QVariantMap& results)
    {
        if (!m_done) return;
        disconnect(this, &PortalRequestInterface::Response, this, &PendingRequest::finish);
        std::exchange(m_done, nullptr)(code, results);
        deleteLater();
    }

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
