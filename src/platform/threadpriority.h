#pragma once

namespace taglund::platform {

// Lowers the calling thread's share of the processor below the user-interface
// thread's (nice 19), so background writing never slows typing while a core
// is busy elsewhere, yet still runs on a loaded machine. Does nothing where
// threads have no priority of their own.
void lowerThreadPriority();

} // namespace taglund::platform
