// Starting a system command from inside a host process, as the platform allows it: iOS
// marks system() unavailable, so commands are spawned directly, without a shell.
#pragma once

#include <initializer_list>

namespace vm {

// Runs `program`, looked up through PATH as a shell would, with `arguments` and this
// process's environment, and waits for it to end so that no child is left behind.
// Returns its wait status, or -1 when it could not be started.
int runAndWait(const char* program, std::initializer_list<const char*> arguments);

}  // namespace vm
