// Draws what a tray bar that shows an item's text label puts up: the item's
// theme icon at 22 px with its label beside it, in a light or a dark bar, at
// twice the pixels. For the screenshots of hosts that draw no label.
// Usage: horavia-tray-label ICON_NAME LABEL OUT.png [dark]

#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) return 2;
    // Without a desktop's platform theme, the freedesktop one every theme
    // falls back to, where the desktop keeps it.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        paths.append(data + QStringLiteral("/icons"));
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("hicolor"));
    const QIcon icon = QIcon::fromTheme(arguments.at(1));
    const QString& label = arguments.at(2);
    const bool dark = arguments.size() > 4 && arguments.at(4) == QLatin1String("dark");

    constexpr int height = 28;
    constexpr int iconSize = 22;
    constexpr int margin = 6;
    const QFontMetrics metrics(QGuiApplication::font());
    const int width = margin + iconSize + margin + metrics.horizontalAdvance(label) + margin;
    QImage image(QSize(width, height) * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(dark ? QColor(0x30, 0x30, 0x30) : QColor(0xf2, 0xf2, 0xf2));
    QPainter painter(&image);
    icon.paint(&painter, QRect(margin, (height - iconSize) / 2, iconSize, iconSize));
    painter.setPen(dark ? Qt::white : Qt::black);
    painter.drawText(QRect(margin + iconSize + margin, 0, width, height), Qt::AlignLeft | Qt::AlignVCenter, label);
    painter.end();
    return !icon.isNull() && image.save(arguments.at(3)) ? 0 : 1;
}
