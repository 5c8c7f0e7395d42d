#include "platform/signalcatcher.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace taglund::platform {

#ifdef Q_OS_UNIX

namespace {

int g_pipe[2] = {-1, -1};
struct sigaction g_oldTerm;
struct sigaction g_oldHup;

extern "C" void onSignal(int sig)
{
    const int saved = errno;
    const unsigned char b = static_cast<unsigned char>(sig);
    // A full pipe means the program already has signals to handle; dropping
    // this one loses nothing.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &b, 1);
    errno = saved;
}

bool openPipe()
{
    if (::pipe(g_pipe) != 0)
        return false;
    for (int fd : g_pipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

void closePipe()
{
    for (int &fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

SignalCatcher::SignalCatcher(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || !openPipe())
        return;
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &sa, &g_oldTerm) != 0) {
        closePipe();
        return;
    }
    if (::sigaction(SIGHUP, &sa, &g_oldHup) != 0) {
        ::sigaction(SIGTERM, &g_oldTerm, nullptr);
        closePipe();
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalCatcher::readPipe);
    m_active = true;
}

SignalCatcher::~SignalCatcher()
{
    if (!m_active)
        return;
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
    ::sigaction(SIGHUP, &g_oldHup, nullptr);
    delete m_notifier;
    closePipe();
}

void SignalCatcher::readPipe()
{
    unsigned char buf[16];
    ssize_t n;
    while ((n = ::read(g_pipe[0], buf, sizeof buf)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            emit caught(int(buf[i]));
}

#else

SignalCatcher::SignalCatcher(QObject *parent) : QObject(parent) {}
SignalCatcher::~SignalCatcher() = default;
void SignalCatcher::readPipe() {}

#endif

} // namespace taglund::platform
