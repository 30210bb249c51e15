// A test process that looks like SpringBoard to the tweak: SpringBoard's and UIKit's
// classes exist, and the tweak's start-up can be run by hand after a test has put probes
// in place.
#pragma once

#include <objc/runtime.h>

#include <vector>

#include "tests/support/device_root.h"

namespace vm::test {

class SpringBoardProcessTest : public DeviceRootTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  static Class cls(const char* name);
  // A new instance of the named class, released when the test ends.
  id make(const char* className);
  // The tweak's load-time start-up: settings, then hooks.
  static void installTweak();

 private:
  std::vector<id> made_;
};

}  // namespace vm::test
