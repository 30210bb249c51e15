// Taking a settings domain's lock without waiting for ever: a holder that is stopped (a
// Settings app suspended with Ctrl-Z inside a change) or that never lets go must not hang
// every later change.
#pragma once

#include <string>

namespace vm::preferences {

// How long a change waits for the lock before it gives up.
inline constexpr int kLockWaitMs = 3000;

// Takes an exclusive flock on `fd` (the lock file `lockPath`), waiting at most kLockWaitMs.
// Empty when it is held; otherwise what stopped it, naming the process that holds it.
std::string lockWithin(int fd, const std::string& lockPath);

}  // namespace vm::preferences
