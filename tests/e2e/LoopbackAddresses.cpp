// Update addresses on this machine, for the end-to-end update test only: a
// second link of the application with this unit in place of the configured
// addresses, so the shipped build keeps its empty defaults.
#include "update/UpdateAddresses.h"

namespace UpdateAddresses {

QString notes()
{
    return QStringLiteral("http://127.0.0.1:" HORAVIA_TEST_PORT "/updates.txt");
}

QString payload()
{
    return QStringLiteral("http://127.0.0.1:" HORAVIA_TEST_PORT "/hrv.zip");
}

QString pinnedTeam()
{
    return {}; // the running copy's signer decides
}

bool selfUpdating()
{
    return true;
}

} // namespace UpdateAddresses
