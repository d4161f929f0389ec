#pragma once

// How the application's own widgets read to a screen reader: the tray
// panel as a window of the application (Qt leaves popups out of the tree),
// its clock rows as list items of a list, the time strip as a slider, the
// map as a focusable picture; and Return presses a focused button, as
// Space does. Installed once, before the first window.
namespace Accessibility {

void install();

} // namespace Accessibility
