#pragma once
#include <QObject>

class QSocketNotifier;

namespace taglund::platform {

// Turns the signals that end the program from outside (SIGTERM from `kill`
// or a desktop session logging out, SIGHUP when the session goes away) into
// a Qt signal on the event loop. The handler itself only writes the signal
// number into a pipe, the one thing that is safe inside a signal handler;
// whatever the program does about it runs on the user-interface thread.
//
// One catcher at a time; while it lives the two signals no longer end the
// program by themselves, and the previous handlers come back when it goes.
// Where the system has no such signals it does nothing.
class SignalCatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalCatcher(QObject *parent = nullptr);
    ~SignalCatcher() override;

    // False when the pipe or the handlers could not be set up (or another
    // catcher is active); the signals then end the program as before.
    bool isActive() const { return m_active; }

signals:
    void caught(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    bool m_active = false;
};

} // namespace taglund::platform
