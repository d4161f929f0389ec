#include "Appearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace Appearance {

bool desktopPrefersDark()
{
    return qEnvironmentVariable("GTK_THEME").endsWith(QLatin1String(":dark"), Qt::CaseInsensitive);
}

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x2b, 0x2b, 0x2d);
    const QColor base(0x1e, 0x1e, 0x20);
    const QColor text(0xec, 0xec, 0xee);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0x8e, 0x8e, 0x93));
    dark.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x40, 0x9c, 0xff));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6e, 0x6e, 0x73));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6e, 0x6e, 0x73));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6e, 0x6e, 0x73));
    return dark;
}

void apply(QApplication& application)
{
    if (!desktopPrefersDark()) return;
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setPalette(darkPalette());
}

} // namespace Appearance
