#pragma once

#include <QString>

// The addresses this build checks and downloads releases from, fixed when it
// was configured (HORAVIA_NOTES_URL, HORAVIA_PAYLOAD_URL); empty when unset.
namespace UpdateAddresses {
QString notes();
QString payload();
// The team identifier releases must be signed by (HORAVIA_TEAM_IDENTIFIER,
// printed by "horavia-codesign keygen"); empty when unset.
QString pinnedTeam();
// False in builds made for a distribution package (HORAVIA_SELF_UPDATE=OFF):
// the package manager replaces the installed copy, never the application.
bool selfUpdating();
} // namespace UpdateAddresses
