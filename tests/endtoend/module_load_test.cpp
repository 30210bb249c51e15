// Loads the built tweak module the way the substrate does, into this process, and looks at
// the process afterwards. The simulated SpringBoard's report shows the rows installed and
// the flags read.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "bridge/foundation.h"
#include "standins/springboard/springboard.h"
#include "tests/support/device_root.h"

namespace {

using vm::send;

class ModuleLoadTest : public vm::test::DeviceRootTest {
 protected:
  void* load() {
    void* handle = dlopen(VM_TWEAK_DIR "/Velmotint.dylib", RTLD_NOW | RTLD_GLOBAL);
    EXPECT_NE(handle, nullptr) << dlerror();
    return handle;
  }
};

// A class messaged before the module loads still takes its hook, and the first call after
// loading already sees the file's flags.
TEST_F(ModuleLoadTest, AnObjectMadeBeforeLoadingAnswersThroughTheHookWithTheFilesFlags) {
  writeSettings("<key>ENABLED16</key><true/>");
  VMRegisterSpringBoardClasses();
  id date = send<id>(send<id>(objc_getClass("SBLockScreenDateViewController"), vm::sel::alloc),
                     vm::sel::init);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), NO);
  ASSERT_NE(load(), nullptr);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), YES);
  vm::release(date);
}

TEST_F(ModuleLoadTest, ExportsMainAndTheColourFunctionsButNoPlatformClass) {
  void* handle = load();
  ASSERT_NE(handle, nullptr);
  using Main = int (*)();
  auto entry = reinterpret_cast<Main>(dlsym(handle, "main"));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(), 0);
  for (const char* symbol :
       {"_Z12colorFromHexP11objc_object", "_Z24colorFromDefaultsWithKeyP11objc_objectS0_S0_"}) {
    EXPECT_NE(dlsym(handle, symbol), nullptr) << symbol;
  }
  // SpringBoard's classes come from the host, never from the tweak.
  EXPECT_EQ(objc_getClass("SBLockScreenViewController"), nullptr);
}

}  // namespace
