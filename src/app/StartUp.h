#pragma once

#include <QObject>

#include <functional>

// The order of a start: what is made beside the main thread, at which
// priority, and what waits for the first frame. Every step says why it
// comes where it does; HoraviaApp calls them in this order.
namespace StartUp {

// Starts loading the catalogue on another core while the main thread
// connects to the display: call first, before the application object
// exists and before any other thread.
void prepareBeforeApplication();
// Connects to the session bus on another core while the main thread
// builds the icon, and leaves the land to a thread of low priority:
// call once the application object exists. What else the first window
// needs is made once the icon is up.
void prepareInBackground();
// The icon is up: what the first window asks for at once.
void prepareFirstWindow();
// Runs `work` on `context`'s thread once the first frame of any window (the
// icon's included) is painted, so that nothing that frame does not need comes before it.
void afterFirstFrame(QObject* context, std::function<void()> work);
// What the first search needs, away from the event loop; then start-up has
// read what it needs of the catalogue and of ICU's tables, and lets their pages go.
void prepareSearch();

} // namespace StartUp
