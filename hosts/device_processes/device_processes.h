// The processes that run in one device root, as the simulated device's own launcher and
// killall see them. Each registered process keeps a locked file named by its pid in the
// device root's process folder for as long as it lives; the lock ends with the process,
// so a file nobody holds is a leftover, whatever process has that pid now.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace vm::device {

// The device path of the folder that holds the files of processes called `name`.
std::string processFolder(const std::string& name);

// Why `name` cannot name a process (empty, ".", "..", or holding a '/'); empty when it can.
std::string processNameProblem(const std::string& name);

// Registers the calling process under `name` until it ends; false (with `error` set) if
// the file cannot be made.
bool registerProcess(const std::string& name, std::string* error);

// Removes the calling process's registration under `name`, if it is still the file this
// process made: for a process that ends by a signal it has caught.
void unregisterProcess(const std::string& name);

// What delivers a signal: kill(2), or a stand-in that records.
using Signaller = int (*)(pid_t pid, int signal);

// Sends `signal` to every live process registered under `name` in this device root and
// answers their pids; leftover files are removed on the way. A file that is not a
// registration of a live process of that name in this root is skipped, and `skipped` (when
// given) gets a line saying why.
std::vector<pid_t> signalProcesses(const std::string& name, int signal,
                                   std::vector<std::string>* skipped = nullptr,
                                   Signaller signaller = nullptr);

}  // namespace vm::device
