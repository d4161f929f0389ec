#include "LoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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
    QFile file(m_entryPath);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bool inMainGroup = false;
    // An entry is a few hundred bytes; a larger file is read no further.
    for (const QByteArray& raw : file.read(64 * 1024).split('\n')) {
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
    QFile file(m_entryPath);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray tryExec = "TryExec=" + escapeString(m_executable).toUtf8() + '\n';
    if (!file.read(64 * 1024).contains(tryExec)) setEnabled(true);
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
    text += QStringLiteral("Exec=") + execArgument(m_executable) + u' ' + atLoginArgument + u'\n';
    text += QStringLiteral("Terminal=false\nX-GNOME-Autostart-enabled=true\n");
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
    if (!text) return QStringLiteral("The application's path can't be written in an autostart entry.");
    if (!QDir().mkpath(QFileInfo(m_entryPath).absolutePath()))
        return QStringLiteral("The folder %1 couldn't be created.").arg(QFileInfo(m_entryPath).absolutePath());
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(*text) != text->size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}
