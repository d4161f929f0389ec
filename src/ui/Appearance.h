#pragma once

class DesktopColorScheme;
class QApplication;
class QPalette;

// Dark or light, as the desktop asks (DesktopColorScheme): Qt's own platform
// theme here does not follow the desktop's choice, so a dark desktop gets the
// Fusion style with a dark palette, and a switch back restores the platform's
// style and palette.
namespace Appearance {

// The palette of a dark desktop.
QPalette darkPalette();
void apply(QApplication& application, bool dark);
// Applies the scheme's choice now and whenever it changes; `scheme` outlives `application`'s event loop.
void follow(QApplication& application, const DesktopColorScheme& scheme);

} // namespace Appearance
