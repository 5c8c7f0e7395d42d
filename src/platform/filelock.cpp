#include "platform/filelock.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace taglund::platform {

bool fileLockHeld(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool held = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        held = errno == EWOULDBLOCK;
    else
        ::flock(fd, LOCK_UN);
    ::close(fd);
    return held;
#else
    (void)path;
    return false;
#endif
}

} // namespace taglund::platform
