// What the appearance tests share: a SpringBoard-like process, the six user colours they
// store (no two alike, none equal to the fallback), and colour read-back in one form for
// UIColor and Core Graphics colours.
#pragma once

#include <objc/runtime.h>

#include <array>
#include <atomic>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "standins/uikit/uikit.h"
#include "tests/support/hook_probe.h"
#include "tests/support/rgba.h"
#include "tests/tweak/springboard_process.h"

namespace vm::test {

struct UserColour {
  const char* key;     // vmColor1 ...
  const char* stored;  // the colour string in the settings file
  Rgba rgba;           // what the lookup makes of it
};
extern const std::array<UserColour, 6> kUserColours;

// The expected colour of a key of kUserColours.
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

class AppearanceTest : public SpringBoardProcessTest {
 public:
  // A fresh, autoreleased colour unlike every user colour.
  static id someColour();

 protected:
  // Writes a settings file holding all six user colours and no flag.
  void storeUserColours() const;
  // A new view of the named class with this frame, released when the test ends.
  id makeView(const char* className, CGRect frame);
  void TearDown() override;

 private:
  std::vector<id> views_;
};

}  // namespace vm::test
