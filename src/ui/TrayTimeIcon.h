#pragma once

#include <QIcon>
#include <QImage>
#include <QPalette>

// The time drawn as the tray's icon: the hour over the minute, bold, in the
// palette's text colour on a tile of its window colour, so that it reads on
// a light or a dark panel. Sharp at each size and scale, as each is drawn
// at its own pixels. A time set away from now is drawn on the palette's
// highlight instead, so that a glance never takes it for the present.
namespace TrayTimeIcon {

enum class Moment { now, chosen };

// "21:05" or "9:05 PM" (what follows the minutes is left out) as hour and minute.
std::pair<QString, QString> hourAndMinute(const QString& time);
QImage draw(const QString& time, int side, qreal ratio, const QPalette& palette, Moment moment = Moment::now);
// At the tray's sizes, each drawn for its own pixels.
QIcon icon(const QString& time, const QPalette& palette, Moment moment = Moment::now);

} // namespace TrayTimeIcon
