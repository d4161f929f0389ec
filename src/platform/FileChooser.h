#pragma once

#include <QObject>
#include <QString>

#include <functional>

// The desktop's own file chooser, through the file-chooser portal, where
// the desktop has one: the sandbox-friendly dialog the rest of the desktop
// uses. Without one, the caller shows Qt's dialog.
namespace FileChooser {

enum class Mode { open, save };

// `parentWindow`: the portal's form ("x11:1a00003"), or empty. `done` hears
// the local path chosen, or an empty one when the user cancelled;
// `unavailable`, instead, when there is no portal to ask or it cannot show a
// chooser. Nothing is heard once `context` is gone.
void ask(Mode mode, const QString& title, const QString& suggestedName, const QString& parentWindow, QObject* context,
         std::function<void(const QString&)> done, std::function<void()> unavailable);

} // namespace FileChooser
