// Records, in order, the calls that reach PSListController's own clearCache, reload,
// viewWillAppear: and loadSpecifiersFromPlistName:target:, then lets each run as before.
#pragma once

#include <objc/runtime.h>

#include <string>
#include <vector>

namespace vm::test {

struct ListCall {
  std::string what;  // "clearCache", "reload", "viewWillAppear:YES", "load main", ...
  id receiver;
  id target;  // for loads
};

class ListCallLog {
 public:
  // Puts the recorders in place (once per process) and empties the log. Call it before
  // any controller gets a message: GCC's runtime updates only the dispatch table of the
  // class that owns a method, so a subclass messaged earlier keeps the old implementation.
  static void install();
  static void clear() { calls().clear(); }
  static std::vector<ListCall>& calls();
  // Just the `what` of every call.
  static std::vector<std::string> names();
};

}  // namespace vm::test
