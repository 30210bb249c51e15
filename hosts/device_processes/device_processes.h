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

// Registers the calling process under `name` until it ends; false (with `error` set) if
// the file cannot be made.
bool registerProcess(const std::string& name, std::string* error);

// Sends `signal` to every live process registered under `name` in this device root and
// answers their pids; leftover files are removed on the way.
std::vector<pid_t> signalProcesses(const std::string& name, int signal);

}  // namespace vm::device
