#pragma once
#include <QString>

namespace taglund::platform {

// Whether a live process holds an advisory lock on the file (the lock a
// QLockFile keeps while its owner runs). The system drops such locks when
// the process dies, however it dies, so this still answers when the file's
// own contents were lost. False where there are no such locks.
bool fileLockHeld(const QString &path);

} // namespace taglund::platform
