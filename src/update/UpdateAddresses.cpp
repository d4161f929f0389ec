#include "UpdateAddresses.h"

namespace UpdateAddresses {

QString notes()
{
    return QStringLiteral(HORAVIA_NOTES_URL);
}

QString payload()
{
    return QStringLiteral(HORAVIA_PAYLOAD_URL);
}

QString pinnedTeam()
{
    return QStringLiteral(HORAVIA_TEAM_IDENTIFIER);
}

bool selfUpdating()
{
    return HORAVIA_SELF_UPDATE;
}

} // namespace UpdateAddresses
