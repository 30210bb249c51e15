// A settings domain's name comes from a pane's lists (a row's "defaults"), and the domain's
// file is that name plus ".plist" in the preferences folder: a name that could leave the
// folder ("../../tmp/x") must never become a path.
#pragma once

#include <string>

namespace vm::preferences {

// Why `domain` cannot name a settings domain (empty, ".", "..", or holding a '/' or a NUL
// byte), naming it; empty when it can.
std::string domainNameProblem(const std::string& domain);

}  // namespace vm::preferences
