// Telling a registration file's name from a process id that may be signalled: only a pid a
// process can have, and only that of the process which holds the file's lock and is called
// by the registration's name. Anything else would reach other processes: kill(2) takes 0
// as the caller's group and -1 as every process it may signal.
#pragma once

#include <sys/types.h>

#include <string>

namespace vm::device {

// The largest pid this system gives (/proc/sys/kernel/pid_max).
pid_t largestPid();

// `text` as a pid in 1..largestPid(); 0 (with `why` set) when it is none.
pid_t pidFromText(const std::string& text, std::string* why);

// The pid a registration file called `file` under `name` stands for, when the process
// `holder` (holding the file's lock) is that pid and is called `name`; otherwise 0, with
// `why` set.
pid_t registeredPid(const std::string& file, const std::string& name, pid_t holder,
                    std::string* why);

}  // namespace vm::device
