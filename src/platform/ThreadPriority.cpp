#include "ThreadPriority.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <sys/resource.h>
#include <unistd.h>
#endif

void ThreadPriority::lowerCurrent([[maybe_unused]] int nice)
{
#if defined(Q_OS_LINUX)
    ::setpriority(PRIO_PROCESS, id_t(::gettid()), nice);
#endif
}
