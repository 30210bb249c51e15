// A test process that looks like SpringBoard to the tweak: SpringBoard's and UIKit's
// classes exist, and the tweak's start-up can be run by hand after a test has put probes
// in place. The six user colours it can store differ from each other and from the fallback.
#pragma once

#include <objc/runtime.h>

#include <vector>

#include "standins/uikit/uikit.h"
#include "tests/support/device_root.h"
#include "tests/support/objc_helpers.h"
#include "tests/support/rgba.h"

namespace vm::test {

// The colour stored under the user-colour key (vmColor1 ...), as the lookup reads it.
Rgba userRgba(const char* key);
// The colour of "#a1a1a1:1.0", what every lookup gives without a stored colour.
Rgba fallbackRgba();
inline const Rgba kClear{0, 0, 0, 0};

inline Rgba rgbaOf(id colour) {
  return vm::uikit::componentsOf(colour);
}
inline Rgba rgbaOf(CGColorRef colour) {
  return vm::uikit::componentsOf(colour);
}

class SpringBoardProcessTest : public DeviceRootTest {
 public:
  // A fresh, autoreleased colour unlike every user colour.
  static id someColour();

 protected:
  void SetUp() override;
  void TearDown() override;

  static Class cls(const char* name);
  // A new instance of the named class, or a view of it with this frame, released when the
  // test ends.
  id make(const char* className);
  id makeView(const char* className, CGRect frame);
  // The tweak's load-time start-up: settings, then hooks.
  static void installTweak();
  // Writes a settings file holding all six user colours and no flag.
  void storeUserColours() const;

 private:
  std::vector<id> made_;
};

}  // namespace vm::test
