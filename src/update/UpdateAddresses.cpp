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

} // namespace UpdateAddresses
