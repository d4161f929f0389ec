#include "TimeCommands.h"

#include "clock/DisplayedTime.h"

#include <QAction>
#include <QKeyEvent>

bool TimeCommands::handleKey(const QKeyEvent* event, const DisplayedTime& time) const
{
    // The keypad's arrows and pages are the same keys.
    const QKeySequence pressed(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (QAction* command : all()) {
        if (command && command->isEnabled() && command->shortcut() == pressed) {
            command->trigger();
            return true;
        }
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !time.isLive() && now &&
        now->isEnabled()) {
        now->trigger();
        return true;
    }
    return false;
}
