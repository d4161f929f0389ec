#pragma once

#include <QDateTime>
#include <QStringList>

struct UpdateHost;

// What the application asks of the module of services, loaded at its first use.
namespace ServicesUse {

// The updater's downloads and installs; a module that cannot load fails each with the reason.
UpdateHost updateHost();
// "Create Event…": an iCalendar file of `lines` at `at`, opened with the
// calendar. Fails on standard error, as a command from a menu has nowhere else to say so.
void openEvent(const QStringList& lines, const QDateTime& at);

} // namespace ServicesUse
