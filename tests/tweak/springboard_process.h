// A test process that looks like SpringBoard to the tweak: SpringBoard's and UIKit's
// classes exist, and the tweak's start-up can be run by hand after a test has put probes
// in place. The six user colours it can store differ from each other and from the fallback.
#pragma once

#include <objc/runtime.h>

#include <vector>

#include "tests/support/device_root.h"
#include "tests/support/objc_helpers.h"
#include "tests/support/rgba.h"

namespace vm::test {

// The colour stored under the user-colour key (vmColor1 ...), as the lookup reads it.
Rgba userRgba(const char* key);
// The colour of "#a1a1a1:1.0", what every lookup gives without a stored colour.
inline Rgba fallbackRgba() {
  return rgbaOfBytes(0xa1, 0xa1, 0xa1, 1.0);
}
inline const Rgba kClear{0, 0, 0, 0};

class SpringBoardProcessTest : public DeviceRootTest {
 public:
  // A fresh, autoreleased colour unlike every user colour.
  static id someColour();

 protected:
  void SetUp() override;
  void TearDown() override;

  static Class cls(const char* name) { return objc_getClass(name); }
  // A new instance of the named class, or a view of it with this frame, released when the
  // test ends.
  id make(const char* className);
  id makeView(const char* className, CGRect frame);
  // The tweak's load-time start-up: settings, then hooks.
  static void installTweak();
  // Writes a settings file holding all six user colours and no flag.
  void storeUserColours() const;

 private:
  id keep(id object);  // released at the end of the test
  std::vector<id> made_;
};

}  // namespace vm::test
