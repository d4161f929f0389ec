#pragma once

#include <QString>

#include <optional>

// An offset from UTC as people write one: "UTC+5:30", "GMT-3", "+0545",
// "−3:30" (a minus sign or a hyphen), with or without the prefix.
namespace UtcOffset {

// Seconds east of UTC; none for other text, or beyond the offsets zones
// have (12 hours behind to 14 ahead). "UTC" alone is no offset here: a
// search for it finds the place of that name.
std::optional<int> parse(const QString& text);
// "UTC+05:30", "UTC−03:00", "UTC" for zero.
QString name(int seconds);

} // namespace UtcOffset
