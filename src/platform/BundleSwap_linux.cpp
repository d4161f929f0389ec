#include "BundleSwap.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>

namespace BundleSwap {

std::optional<QString> exchange(const QString& first, const QString& second)
{
    if (::renameat2(AT_FDCWD, QFile::encodeName(first).constData(), AT_FDCWD, QFile::encodeName(second).constData(),
                    RENAME_EXCHANGE) == 0)
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace BundleSwap
