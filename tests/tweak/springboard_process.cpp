#include "tests/tweak/springboard_process.h"

#include "bridge/foundation.h"
#include "standins/springboard/springboard.h"
#include "tweak/installer.h"
#include "tweak/settings.h"

namespace vm::test {

void SpringBoardProcessTest::SetUp() {
  DeviceRootTest::SetUp();
  VMRegisterSpringBoardClasses();
}

void SpringBoardProcessTest::TearDown() {
  for (id object : made_) release(object);
  made_.clear();
  DeviceRootTest::TearDown();
}

Class SpringBoardProcessTest::cls(const char* name) {
  return objc_getClass(name);
}

id SpringBoardProcessTest::make(const char* className) {
  id object = send<id>(send<id>(cls(className), sel::alloc), sel::init);
  if (object != nil) made_.push_back(object);
  return object;
}

void SpringBoardProcessTest::installTweak() {
  initSettings();
  installHooks();
}

}  // namespace vm::test
