// The start of a host process (the simulated SpringBoard and Settings app): Foundation set
// up from the process's environment whatever bytes it holds, and arguments checked to be
// text before anything makes strings of them.
#pragma once

namespace vm::host {

// Call first in main. Hands the process its full environment back (Foundation keeps the
// text-only copy it took while the libraries loaded) and checks every argument. Returns
// false, after naming the argument on standard error, when one is not UTF-8 text; the
// host then exits with its misuse status.
bool startProcess(const char* program, int argc, char** argv);

}  // namespace vm::host
