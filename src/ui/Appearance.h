#pragma once

class QApplication;
class QPalette;

// Follows the desktop's dark or light choice where Qt itself cannot see it:
// a GTK theme named with ":dark" (GTK_THEME=Adwaita:dark) gets a dark palette.
namespace Appearance {

bool desktopPrefersDark();
// The palette of a dark desktop.
QPalette darkPalette();
void apply(QApplication& application);

} // namespace Appearance
