#pragma once

#include <QString>

// Opening a file with the desktop's default application for its type.
namespace DefaultApplication {

// Through the XDG desktop portal's OpenURI when a portal answers, else
// (no portal, or it refused) through QDesktopServices. Returns at once.
void open(const QString& path);

} // namespace DefaultApplication
