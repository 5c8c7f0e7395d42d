#include "platform/loginname.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace taglund::platform {

QString loginName()
{
#ifdef Q_OS_UNIX
    if (const passwd *pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER").trimmed();
#else
    return qEnvironmentVariable("USERNAME").trimmed();
#endif
}

} // namespace taglund::platform
