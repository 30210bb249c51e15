// Who holds a lock on a file, as the kernel lists it (Linux only: the simulated device's
// tools name the holder of a lock they will not wait for, and tie a registration file to
// the process that locked it).
#pragma once

#include <sys/types.h>

#include <string>

namespace vm {

// The process that holds a whole-file lock (flock) on the file open as `fd`, from
// /proc/locks; 0 when none is listed.
pid_t flockHolder(int fd);

// The short name the kernel keeps for a running process (its executable's name, cut to 15
// bytes); empty when there is no such process.
std::string processName(pid_t pid);

}  // namespace vm
