#include "ZoneLinkWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// A zone change is a rename or two; what follows within this is the same change.
constexpr int settleMs = 100;

} // namespace

ZoneLinkWatch::ZoneLinkWatch(const QString& linkPath, QObject* parent)
    : QObject(parent)
    , m_name(QFile::encodeName(QFileInfo(linkPath).fileName()))
    , m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (m_fd < 0) return;
    // Names coming and going, and a file written whole (a link copied as a
    // file): never each write, nor a change of attributes.
    constexpr uint32_t names = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE;
    if (::inotify_add_watch(m_fd, QFile::encodeName(QFileInfo(linkPath).absolutePath()).constData(),
                            names | IN_ONLYDIR) < 0) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(settleMs);
    connect(m_settle, &QTimer::timeout, this, &ZoneLinkWatch::changed);
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ZoneLinkWatch::readEvents);
}

ZoneLinkWatch::~ZoneLinkWatch()
{
    if (m_fd < 0) return;
    delete m_notifier; // before the descriptor it watches goes away
    ::close(m_fd);
}

void ZoneLinkWatch::readEvents()
{
    alignas(inotify_event) char buffer[16 * 1024];
    bool named = false;
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0) break;
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // The queue overflowed: what it dropped may have named the link.
            named = named || (event->mask & IN_Q_OVERFLOW) != 0 ||
                    (event->len > 0 && std::strncmp(event->name, m_name.constData(), event->len) == 0 &&
                     std::strlen(event->name) == size_t(m_name.size()));
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
    if (named && !m_settle->isActive()) m_settle->start();
}

#include "moc_ZoneLinkWatch.cpp"
