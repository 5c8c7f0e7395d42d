#include "platform/threadpriority.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace taglund::platform {

void lowerThreadPriority()
{
#ifdef Q_OS_LINUX
    // On Linux a thread's nice value is its own, set through its thread id.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
#endif
}

} // namespace taglund::platform
