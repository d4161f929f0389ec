#include "DesktopService.h"

#include "DesktopFeed.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

DesktopService::DesktopService(QString program)
    : m_program(std::move(program))
{
    m_restart.setSingleShot(true);
    m_restart.setInterval(1000);
    connect(&m_restart, &QTimer::timeout, this, &DesktopService::start);
}

DesktopService::~DesktopService()
{
    if (!m_process) return;
    m_process->disconnect(this);
    // It only reads: nothing of it to wait for as Horavia ends (a bar's
    // `--print` would wait for the helper's start up otherwise).
    m_process->kill();
    m_process->waitForFinished(1000);
    delete m_process;
}

DesktopService& DesktopService::instance()
{
    static DesktopService* const made = [] {
        auto* service =
            new DesktopService(QCoreApplication::applicationDirPath() + QStringLiteral("/horavia-desktop-calendars"));
        service->setParent(QCoreApplication::instance());
        return service;
    }();
    return *made;
}

void DesktopService::watch(QObject* context, std::function<void(const QList<CalendarSource>&)> listed)
{
    m_watchers.append({QPointer<QObject>(context), std::move(listed)});
    // The last one gone, the helper goes (once the context's pointer is cleared).
    connect(context, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, &DesktopService::stopIfUnwanted); });
    if (m_greeted)
        send({{QStringLiteral("list"), true}});
    else
        start();
}

void DesktopService::open(DesktopFeed* feed)
{
    m_feeds.append(feed);
    if (m_givenUp) {
        // Told once it is in its place, not from its constructor.
        QTimer::singleShot(0, this, [this, feed] {
            if (m_feeds.contains(feed)) feed->fail(QStringLiteral("unopened"), m_whyGivenUp);
        });
        return;
    }
    if (m_greeted)
        send({{QStringLiteral("open"), feed->uid()}});
    else
        start();
}

void DesktopService::close(DesktopFeed* feed)
{
    m_feeds.removeOne(feed);
    const bool stillOpen = std::any_of(m_feeds.begin(), m_feeds.end(),
                                       [feed](const DesktopFeed* other) { return other->uid() == feed->uid(); });
    if (m_greeted && !stillOpen) send({{QStringLiteral("close"), feed->uid()}});
    stopIfUnwanted();
}

void DesktopService::stopIfUnwanted()
{
    // Its input closed, the helper ends of itself.
    if (m_process && !wanted()) m_process->closeWriteChannel();
}

bool DesktopService::wanted() const
{
    return !m_feeds.isEmpty() || std::any_of(m_watchers.begin(), m_watchers.end(),
                                             [](const Watcher& watcher) { return !watcher.context.isNull(); });
}

void DesktopService::start()
{
    if (m_process || m_givenUp || !wanted()) return;
    m_process = new QProcess(this);
    m_buffer.clear();
    m_skipping = false;
    m_greeted = false;
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &DesktopService::readOutput);
    connect(m_process, &QProcess::finished, this, [this](int status, QProcess::ExitStatus how) {
        ended(how == QProcess::CrashExit ? m_process->errorString()
                                         : QStringLiteral("%1 (%2)").arg(QFileInfo(m_program).fileName()).arg(status));
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        // Not there, or not a program: no use trying again.
        m_givenUp = true;
        ended(m_process->errorString());
    });
    m_started.start();
    m_process->start(m_program, {});
}

void DesktopService::send(const QJsonObject& command)
{
    if (m_process) m_process->write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
}

void DesktopService::readOutput()
{
    m_buffer += m_process->readAllStandardOutput();
    qsizetype end;
    while (m_process && (end = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        if (std::exchange(m_skipping, false)) continue; // the end of a line too long to keep
        handle(QJsonDocument::fromJson(line).object());
    }
    if (m_buffer.size() > longestLine) {
        m_buffer.clear();
        m_skipping = true;
    }
}

void DesktopService::handle(const QJsonObject& message)
{
    if (!m_greeted) {
        if (message.value(QStringLiteral("version")).toInt() != protocol) {
            // Another version's helper (an update landed under us): not one to talk to.
            m_givenUp = true;
            m_process->kill();
            return;
        }
        m_greeted = true;
        if (std::any_of(m_watchers.begin(), m_watchers.end(), [](const Watcher& each) { return each.context; }))
            send({{QStringLiteral("list"), true}});
        QStringList opened;
        for (const DesktopFeed* feed : std::as_const(m_feeds))
            if (!opened.contains(feed->uid())) opened.append(feed->uid());
        for (const QString& uid : std::as_const(opened))
            send({{QStringLiteral("open"), uid}});
        return;
    }
    if (message.value(QStringLiteral("calendars")).isArray()) {
        QList<CalendarSource> listed;
        for (const QJsonValue& each : message.value(QStringLiteral("calendars")).toArray())
            listed.append({.kind = CalendarSource::Kind::desktop,
                           .address = each[QStringLiteral("uid")].toString(),
                           .name = each[QStringLiteral("name")].toString().left(200),
                           .colour = each[QStringLiteral("colour")].toString()});
        const auto watchers = m_watchers;
        for (const Watcher& watcher : watchers)
            if (watcher.context) watcher.listed(listed);
        return;
    }
    const QString uid = message.value(QStringLiteral("uid")).toString();
    const auto feeds = m_feeds;
    for (DesktopFeed* feed : feeds) {
        if (feed->uid() != uid || !m_feeds.contains(feed)) continue;
        if (message.value(QStringLiteral("ics")).isString())
            feed->read(message.value(QStringLiteral("ics")).toString().toUtf8());
        else if (message.value(QStringLiteral("addresses")).isArray())
            feed->setOwnAddresses(message.value(QStringLiteral("addresses")).toVariant().toStringList());
        else if (message.value(QStringLiteral("problem")).isString())
            feed->fail(message.value(QStringLiteral("problem")).toString(),
                       message.value(QStringLiteral("detail")).toString().left(500));
    }
}

void DesktopService::ended(const QString& why)
{
    if (!m_process) return;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    m_greeted = false;
    if (!wanted()) return;
    // Ended soon after it started, again and again: something is wrong
    // with it that another start will not mend.
    m_quickEnds = m_started.elapsed() < 10000 ? m_quickEnds + 1 : 0;
    if (m_quickEnds >= quickEndsGivenUpAfter) m_givenUp = true;
    if (!m_givenUp) {
        m_restart.start();
        return;
    }
    m_whyGivenUp = why;
    failAll(why);
}

void DesktopService::failAll(const QString& why)
{
    const auto feeds = m_feeds;
    for (DesktopFeed* feed : feeds)
        if (m_feeds.contains(feed)) feed->fail(QStringLiteral("unopened"), why);
}
