// Whether the tools can work in the device root: one whose name is text, and, when no
// home folder says where it is, the fallback under /tmp only if this user owns it and
// nobody else may change it (anyone could make that folder first and stage a tweak there).
#pragma once

#include <string>

namespace vm::host {

// Whether a host needs a device root whose name is text: one that makes strings of its
// paths (bundles are loaded by name) does; one that only opens files does not.
enum class RootName { kAnyBytes, kText };

// Why the current device root cannot be used, for people; empty when it can. Makes the
// fallback root (owner-only) when it does not exist yet.
std::string deviceRootProblem(RootName name);

// deviceRootProblem(), said on standard error as `program`; true when there is none.
bool checkDeviceRoot(const char* program, RootName name);

}  // namespace vm::host
