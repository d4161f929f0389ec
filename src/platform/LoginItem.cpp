#include "LoginItem.h"

#include "PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A desktop entry's string escape for a backslash, which applies to every
// value, Exec included (control characters are refused before this).
QString escapeString(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == u'\\') out += u'\\';
        out += c;
    }
    return out;
}

// One Exec argument: quoted when it holds a reserved character, with the
// quoting's own escapes; a literal % is doubled since it starts a field code.
QString execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = std::any_of(argument.cbegin(), argument.cend(), [](QChar c) { return reserved.contains(c); });
    QString out;
    for (const QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) out += u'\\';
        out += c;
        if (c == u'%') out += u'%';
    }
    return escapeString(quote ? u'"' + out + u'"' : out);
}

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Marks an entry this application wrote, the only kind it rewrites unasked.
const QByteArray ownKey = QByteArrayLiteral("X-Horavia-Written=true");
constexpr qint64 largestEntry = 64 * 1024; // an entry is a few hundred bytes

// The entry, when it is a regular file of the user's own. Never read
// through a link (another program's file), from a FIFO (it would block),
// or from a file another user put there.
std::optional<QByteArray> readOwnEntry(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid() ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    return file.read(largestEntry);
}

} // namespace

LoginItem::LoginItem(QString entryPath, QString executable)
    : m_entryPath(std::move(entryPath))
    , m_executable(std::move(executable))
{
}

LoginItem LoginItem::forApplication()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return LoginItem(config + QStringLiteral("/autostart/org.horavia.Horavia.desktop"),
                     QCoreApplication::applicationFilePath());
}

bool LoginItem::isEnabled() const
{
    const std::optional<QByteArray> text = readOwnEntry(m_entryPath);
    if (!text) return false;
    bool inMainGroup = false;
    for (const QByteArray& raw : text->split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) inMainGroup = line == "[Desktop Entry]";
        if (!inMainGroup) continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

void LoginItem::followMove()
{
    if (!isEnabled()) return;
    // Runs at every start, unasked: only an entry of our own is rewritten.
    const QList<QByteArray> lines = readOwnEntry(m_entryPath).value_or(QByteArray()).split('\n');
    if (!lines.contains(ownKey)) return;
    const QByteArray tryExec = "TryExec=" + escapeString(m_executable).toUtf8();
    if (!lines.contains(tryExec)) setEnabled(true);
}

std::optional<QByteArray> LoginItem::entryText() const
{
    if (hasControlCharacter(m_executable)) return std::nullopt;
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Horavia\n"
                                  "Comment=The time in the cities you care about, from the system tray\n"
                                  "Icon=org.horavia.Horavia\n");
    // TryExec keeps a moved or deleted copy from failing at every login.
    text += QStringLiteral("TryExec=") + escapeString(m_executable) + u'\n';
    // GLib looks for the program before it undoes the doubled "%", and so
    // finds no "100%%/Horavia": `env` runs it instead, and is found.
    const QString program = m_executable.contains(u'%') ? QStringLiteral("env ") : QString();
    text += QStringLiteral("Exec=") + program + execArgument(m_executable) + u' ' + atLoginArgument + u'\n';
    text += QStringLiteral("Terminal=false\nX-GNOME-Autostart-enabled=true\n");
    text += QString::fromLatin1(ownKey) + u'\n';
    return text.toUtf8();
}

std::optional<QString> LoginItem::setEnabled(bool enabled)
{
    if (!enabled) {
        QFile file(m_entryPath);
        if (!file.exists() || file.remove()) return std::nullopt;
        return file.errorString();
    }
    const std::optional<QByteArray> text = entryText();
    if (!text)
        return QCoreApplication::translate("LoginItem",
                                           "The application's path can't be written in an autostart entry.");
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    // What is in this folder runs at login: it must be the user's own, not a
    // link into a folder others share, and not open to others' writes.
    if (!PrivateFiles::ensureFolder(folder, PrivateFiles::Links::refuse, false))
        //: %1 a folder path
        return QCoreApplication::translate("LoginItem", "The folder %1 couldn't be created, or others can change it.")
            .arg(folder);
    // The save file would write through a link to its target, and keep a
    // mode that lets others edit what runs at login: whatever is in the way
    // and not a file of the user's own goes first (a link goes, never its target).
    const QByteArray entry = QFile::encodeName(m_entryPath);
    struct stat status {};
    if (::lstat(entry.constData(), &status) == 0 && (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) &&
        ::unlink(entry.constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther) ||
        file.write(*text) != text->size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}
