// Times a program's tray item where the tray is a StatusNotifier host (GNOME
// Shell's AppIndicator extension, KDE, waybar) rather than an X11 tray: it
// takes the watcher's name on the session bus, starts the program, and
// prints, in ms from the start, when the item registered and when its icon
// answered a host's first question (IconPixmap), as a host draws it then:
//   registered_ms icon_ms
// (-1 for what never came within 10 s). Run it inside a private bus
// (dbus-run-session) so that no other watcher holds the name.
// Usage: sni_watch PROGRAM [ARGS...]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <cstdio>

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    explicit Watcher(QElapsedTimer& since)
        : m_since(since)
    {
    }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return m_items; }
    double registeredMs = -1;
    double iconMs = -1;

signals:
    void answered();

public slots:
    void RegisterStatusNotifierItem(const QString& serviceOrPath, const QDBusMessage& message)
    {
        if (registeredMs < 0) registeredMs = m_since.nsecsElapsed() / 1e6;
        // Qt's own tray icon passes its service name, some items a path.
        const bool isPath = serviceOrPath.startsWith(QLatin1Char('/'));
        const QString service = isPath ? message.service() : serviceOrPath;
        const QString path = isPath ? serviceOrPath : QStringLiteral("/StatusNotifierItem");
        m_items.append(service + path);
        QDBusMessage get = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("IconPixmap");
        auto* pending = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get), this);
        connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending] {
            pending->deleteLater();
            if (!pending->isError() && iconMs < 0) iconMs = m_since.nsecsElapsed() / 1e6;
            emit answered();
        });
    }

private:
    QElapsedTimer& m_since;
    QStringList m_items;
};

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: sni_watch PROGRAM [ARGS...]\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    QElapsedTimer since;
    Watcher watcher(since);
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "sni_watch: the watcher's name is taken\n");
        return 2;
    }
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    since.start();
    program.start(QString::fromLocal8Bit(argv[1]), arguments);
    const auto finish = [&] {
        std::printf("%.1f %.1f\n", watcher.registeredMs, watcher.iconMs);
        program.terminate();
        if (!program.waitForFinished(3000)) program.kill();
        program.waitForFinished(1000);
        application.quit();
    };
    QObject::connect(&watcher, &Watcher::answered, &application, finish);
    QTimer::singleShot(10000, &application, finish);
    return application.exec();
}

#include "SniWatch.moc"
