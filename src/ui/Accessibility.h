#pragma once

// How the application's own widgets read to a screen reader: the tray
// panel as a window of the application (Qt leaves popups out of the tree),
// its clock rows as list items of a list, the time strip as a slider, the
// map as a focusable picture; and Return presses a focused button, as
// Space does. Installed once, before the first window.
class QString;
class QWidget;

namespace Accessibility {

void install();

// Tells a screen reader what changed where the focus did not move: a typed
// time's answer, the time a command chose, an update's phase. Said once,
// a moment after the last of a burst (a word being typed, the wheel), in the
// window of `near` while that window is active.
void announce(QWidget* near, const QString& text);

} // namespace Accessibility
