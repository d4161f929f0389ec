#pragma once

#include <QString>

// The addresses this build checks and downloads releases from, fixed when it
// was configured (HORAVIA_NOTES_URL, HORAVIA_PAYLOAD_URL); empty when unset.
namespace UpdateAddresses {
QString notes();
QString payload();
} // namespace UpdateAddresses
