#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray reopenLine = QByteArrayLiteral("reopen");
constexpr int answerTimeoutMs = 1000;
constexpr qsizetype longestLine = 64;

QByteArray privateFolderPrefix()
{
    return QByteArrayLiteral("horavia-") + QByteArray::number(::getuid()) + '-';
}

// A folder or socket planted by someone else, or one others may enter or
// replace, is not ours to use.
bool ownedPrivately(const QByteArray& path, bool folder)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || status.st_uid != ::getuid()) return false;
    if (folder) return S_ISDIR(status.st_mode) && (status.st_mode & 077) == 0;
    return S_ISSOCK(status.st_mode);
}

bool peerIsUser(int descriptor)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == ::getuid();
}

// The private folders earlier copies made in the temporary folder.
QStringList privateFolders()
{
    QStringList found;
    const QByteArray temp = QFile::encodeName(QDir::tempPath());
    DIR* dir = ::opendir(temp.constData());
    if (!dir) return found;
    const QByteArray prefix = privateFolderPrefix();
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        const QByteArray path = temp + '/' + name;
        if (name.startsWith(prefix) && ownedPrivately(path, true)) found.append(QFile::decodeName(path));
    }
    ::closedir(dir);
    return found;
}

} // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{
}

SingleInstance::~SingleInstance()
{
    if (m_server) m_server->close();
    if (!m_privateFolder.isEmpty()) ::rmdir(QFile::encodeName(m_privateFolder).constData());
}

SingleInstance::Answer SingleInstance::askRunningCopy(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(encoded.size()) >= sizeof address.sun_path) return Answer::none;
    struct stat status {};
    if (::lstat(encoded.constData(), &status) != 0) return Answer::none;
    if (!ownedPrivately(encoded, false)) {
        // Something else of the user's own is in the way; what another user
        // planted is never talked to and never removed.
        if (status.st_uid == ::getuid() && !S_ISDIR(status.st_mode)) ::unlink(encoded.constData());
        return Answer::none;
    }
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Answer::none;
    Answer answer = Answer::busy;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        if (!peerIsUser(fd)) {
            answer = Answer::none;
        } else {
            pollfd writable{fd, POLLOUT, 0};
            if (::poll(&writable, 1, answerTimeoutMs) == 1) {
                const QByteArray line = reopenLine + '\n';
                answer = ::send(fd, line.constData(), size_t(line.size()), MSG_NOSIGNAL) == line.size()
                             ? Answer::reopened
                             : Answer::busy;
            }
        }
    } else if (errno == ECONNREFUSED) {
        // Nobody listens: the file was left by a copy that ended without
        // removing it. A full backlog (EAGAIN) is a copy that is busy, not gone.
        ::unlink(encoded.constData());
        answer = Answer::none;
    } else if (errno == ENOENT) {
        answer = Answer::none;
    }
    ::close(fd);
    return answer;
}

bool SingleInstance::claim()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const bool privateTemp = m_socketPath.isEmpty() && runtime.isEmpty();
    if (m_socketPath.isEmpty() && !privateTemp) m_socketPath = runtime + QStringLiteral("/horavia.socket");

    if (privateTemp) {
        for (const QString& folder : privateFolders()) {
            const QString candidate = folder + QStringLiteral("/horavia.socket");
            const Answer answer = askRunningCopy(candidate);
            if (answer != Answer::none) return false;
            ::rmdir(QFile::encodeName(folder).constData()); // left by a copy that is gone
        }
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + '/' + privateFolderPrefix() + "XXXXXX";
        if (!::mkdtemp(pattern.data())) return true; // run anyway; only the reopen request is lost
        m_privateFolder = QFile::decodeName(pattern);
        m_socketPath = m_privateFolder + QStringLiteral("/horavia.socket");
    } else if (askRunningCopy(m_socketPath) != Answer::none) {
        return false;
    }
    listen(m_socketPath);
    return true;
}

void SingleInstance::listen(const QString& path)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) return; // only the reopen request is lost
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            accept(socket);
    });
}

void SingleInstance::accept(QLocalSocket* socket)
{
    if (m_connections >= maxConnections || !peerIsUser(int(socket->socketDescriptor()))) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++m_connections;
    connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, &QLocalSocket::abort);
    deadline->start(connectionTimeoutMs);
    // A line may come in pieces; it ends at its newline, and nothing more is read.
    auto line = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, line] {
        line->append(socket->read(longestLine + 1 - line->size()));
        const qsizetype end = line->indexOf('\n');
        if (end < 0 && line->size() <= longestLine) return;
        if (end >= 0 && line->left(end) == reopenLine) emit reopenRequested();
        socket->abort();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // abort() from the deadline or the line may come without a disconnected signal.
    connect(socket, &QLocalSocket::stateChanged, socket, [socket](QLocalSocket::LocalSocketState state) {
        if (state == QLocalSocket::UnconnectedState) socket->deleteLater();
    });
}

#include "moc_SingleInstance.cpp"
