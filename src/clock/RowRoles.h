#pragma once

#include <Qt>

// Item roles that every list of rows answers, whatever draws it.
namespace RowRoles {

// True for a row that titles the rows below it (a screen reader hears a heading).
constexpr int heading = Qt::UserRole + 2;

} // namespace RowRoles
