#include "Appearance.h"

#include "platform/DesktopColorScheme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace Appearance {

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

void apply(QApplication& application, bool dark)
{
    // The style and palette the platform chose, kept for the way back from dark.
    static const QString lightStyle = application.style()->name();
    static const QPalette lightPalette = application.palette();
    static bool applied = false;
    if (dark == applied) return;
    applied = dark;
    application.setStyle(QStyleFactory::create(dark ? QStringLiteral("Fusion") : lightStyle));
    application.setPalette(dark ? darkPalette() : lightPalette);
}

void follow(QApplication& application, const DesktopColorScheme& scheme)
{
    apply(application, scheme.prefersDark());
    QObject::connect(&scheme, &DesktopColorScheme::prefersDarkChanged, &application,
                     [&application, &scheme] { apply(application, scheme.prefersDark()); });
}

} // namespace Appearance
