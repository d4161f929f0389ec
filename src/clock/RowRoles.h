#pragma once

#include <Qt>

// Item roles of the lists of rows, each declared here alone so that no two
// lists answer one role with different things.
namespace RowRoles {

enum : int {
    // A clock row, as `const ClockRowData*`.
    row = Qt::UserRole + 1,
    // True for a row that titles the rows below it (a screen reader hears a heading).
    heading,
    // Whether a divider follows the row: home's, when other rows follow it.
    divider,
    // A chooser item, as `const CityListModel::Item*`.
    chooserItem,
};

} // namespace RowRoles
