#pragma once

class QApplication;

// Follows the desktop's dark or light choice where Qt itself cannot see it:
// a GTK theme named with ":dark" (GTK_THEME=Adwaita:dark) gets a dark palette.
namespace Appearance {

bool desktopPrefersDark();
void apply(QApplication& application);

} // namespace Appearance
