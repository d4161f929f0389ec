#include "SingleInstance.h"

#include "ActivationToken.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>
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
const QByteArray toggleLine = QByteArrayLiteral("toggle");
const QByteArray openLine = QByteArrayLiteral("open");
constexpr int answerTimeoutMs = 1000;
// An address longer than this is cut to it: too long to be one, as the
// receiver then says.
constexpr qsizetype longestAddress = 300;
constexpr qsizetype longestLine = 512; // "open", an address and a token

// The address as one word of the line: whatever the launch was given,
// spaces and bytes outside printable ASCII percent-encoded.
QByteArray addressWord(const QString& address)
{
    QByteArray word = QUrl::toPercentEncoding(address, "!$&'()*+,;=:@/?#[]%~");
    if (word.size() > longestAddress) word.truncate(longestAddress);
    return word.isEmpty() ? QByteArrayLiteral("-") : word;
}

bool isWord(const QByteArray& text)
{
    return !text.isEmpty() && text.size() <= longestAddress &&
           std::all_of(text.cbegin(), text.cend(), [](char c) { return c > ' ' && c < 0x7f; });
}

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

bool socketAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (size_t(encoded.size()) >= sizeof address.sun_path) return false;
    memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{
}

SingleInstance::~SingleInstance()
{
    if (m_listening >= 0) {
        ::close(m_listening);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
    if (!m_privateFolder.isEmpty()) ::rmdir(QFile::encodeName(m_privateFolder).constData());
}

SingleInstance::Answer SingleInstance::askRunningCopy(const QString& path, const QByteArray& request)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    if (!socketAddress(path, address)) return Answer::none;
    struct stat status {};
    if (::lstat(encoded.constData(), &status) != 0) return Answer::none;
    if (!ownedPrivately(encoded, false)) {
        // Something else of the user's own is in the way; what another user
        // planted is never talked to and never removed.
        if (status.st_uid == ::getuid() && !S_ISDIR(status.st_mode)) ::unlink(encoded.constData());
        return Answer::none;
    }

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Answer::none;
    Answer answer = Answer::busy;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        if (!peerIsUser(fd)) {
            answer = Answer::none;
        } else {
            pollfd writable{fd, POLLOUT, 0};
            if (::poll(&writable, 1, answerTimeoutMs) == 1) {
                const QByteArray line = request + '\n';
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

bool SingleInstance::askRunningCopies(Request request, const QString& activationToken, const QString& address)
{
    QByteArray line = request == Request::toggle ? toggleLine : request == Request::open ? openLine : reopenLine;
    if (request == Request::open) line += ' ' + addressWord(address);
    if (request != Request::reopen && ActivationToken::isUsable(activationToken))
        line += ' ' + activationToken.toLatin1();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_inPrivateFolder = m_socketPath.isEmpty() && runtime.isEmpty();
    if (m_socketPath.isEmpty() && !m_inPrivateFolder) m_socketPath = runtime + QStringLiteral("/horavia.socket");
    if (!m_inPrivateFolder) return askRunningCopy(m_socketPath, line) != Answer::none;
    for (const QString& folder : privateFolders()) {
        if (askRunningCopy(folder + QStringLiteral("/horavia.socket"), line) != Answer::none) return true;
        ::rmdir(QFile::encodeName(folder).constData()); // left by a copy that is gone
    }
    return false;
}

QString SingleInstance::addressIn(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1))
        if (argument.startsWith(QLatin1String("horavia:"), Qt::CaseInsensitive)) return argument;
    return {};
}

bool SingleInstance::ask(Request request, const QString& activationToken, const QString& address)
{
    return askRunningCopies(request, activationToken, address);
}

bool SingleInstance::claim(Request request, const QString& activationToken, const QString& address)
{
    if (askRunningCopies(request, activationToken, address)) return false;
    if (m_inPrivateFolder) {
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + '/' + privateFolderPrefix() + "XXXXXX";
        if (!::mkdtemp(pattern.data())) return true; // run anyway; only the reopen request is lost
        m_privateFolder = QFile::decodeName(pattern);
        m_socketPath = m_privateFolder + QStringLiteral("/horavia.socket");
    }
    listen(m_socketPath);
    return true;
}

void SingleInstance::listen(const QString& path)
{
    // A plain socket and the event loop's notifier: all a line of "reopen"
    // needs, without loading a network stack at every start.
    sockaddr_un address{};
    if (!socketAddress(path, address)) return; // only the reopen request is lost
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    // The folder is the user's alone already; the socket is too from its birth.
    const mode_t mask = ::umask(077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, maxConnections) != 0) {
        ::close(fd);
        return;
    }
    m_listening = fd;
    auto* incoming = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, [this] {
        int connection;
        while ((connection = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
            accept(connection);
    });
}

void SingleInstance::accept(int fd)
{
    if (m_connections >= maxConnections || !peerIsUser(fd)) {
        ::close(fd);
        return;
    }
    ++m_connections;
    // The connection's state lives as long as its notifier; every way out
    // (the line, the end of the stream, the deadline) deletes it, which closes the socket.
    auto* readable = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(readable, &QObject::destroyed, readable, [fd] { ::close(fd); });
    connect(readable, &QObject::destroyed, this, [this] { --m_connections; });
    auto* deadline = new QTimer(readable);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, readable, &QObject::deleteLater);
    deadline->start(connectionTimeoutMs);
    // A line may come in pieces; it ends at its newline, and nothing more is read.
    auto line = std::make_shared<QByteArray>();
    connect(readable, &QSocketNotifier::activated, this, [this, readable, fd, line] {
        char buffer[longestLine + 1];
        const ssize_t count = ::recv(fd, buffer, size_t(longestLine + 1 - line->size()), 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR)) return;
        readable->setEnabled(false);
        if (count > 0) {
            line->append(buffer, qsizetype(count));
            const qsizetype end = line->indexOf('\n');
            if (end < 0 && line->size() <= longestLine) {
                readable->setEnabled(true);
                return;
            }
            if (end >= 0) take(line->left(end));
        }
        readable->deleteLater(); // the line, or the stream's end or error
    });
}

void SingleInstance::take(const QByteArray& line)
{
    if (line == reopenLine) {
        emit reopenRequested();
        return;
    }
    // "toggle", or "toggle TOKEN"; a token of another form is dropped, not the request.
    if (line == toggleLine) {
        emit toggleRequested(QString());
    } else if (line.startsWith(toggleLine + ' ')) {
        const QString token = QString::fromLatin1(line.mid(toggleLine.size() + 1));
        emit toggleRequested(ActivationToken::isUsable(token) ? token : QString());
    } else if (line.startsWith(openLine + ' ')) {
        // "open ADDRESS" or "open ADDRESS TOKEN"; anything else is dropped.
        const QList<QByteArray> words = line.mid(openLine.size() + 1).split(' ');
        if (words.size() > 2 || !isWord(words.first())) return;
        const QString token = words.size() == 2 ? QString::fromLatin1(words.last()) : QString();
        emit openRequested(QString::fromLatin1(words.first()), ActivationToken::isUsable(token) ? token : QString());
    }
}

#include "moc_SingleInstance.cpp"
