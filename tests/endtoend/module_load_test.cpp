// Loads the built tweak module the way the substrate does, into a process that has
// SpringBoard's classes, and looks at the process afterwards.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>

#include "bridge/foundation.h"
#include "standins/springboard/springboard.h"
#include "tests/support/device_root.h"
#include "tweak/hook_report.h"

namespace {

using vm::send;

class ModuleLoadTest : public vm::test::DeviceRootTest {
 protected:
  void* load() {
    void* handle = dlopen(VM_TWEAK_DIR "/Velmotint.dylib", RTLD_NOW | RTLD_GLOBAL);
    EXPECT_NE(handle, nullptr) << dlerror();
    return handle;
  }
  static id make(const char* name) {
    return send<id>(send<id>(objc_getClass(name), vm::sel::alloc), vm::sel::init);
  }
  static std::vector<VelmotintHookInfo> hooks(void* handle) {
    using Copy = size_t (*)(VelmotintHookInfo*, size_t);
    auto copy = reinterpret_cast<Copy>(dlsym(handle, "VelmotintCopyHookInfo"));
    if (copy == nullptr) return {};
    std::vector<VelmotintHookInfo> rows(copy(nullptr, 0));
    copy(rows.data(), rows.size());
    return rows;
  }
};

TEST_F(ModuleLoadTest, LoadingReadsTheSettingsThenInstallsEveryRow) {
  writeSettings("<key>ENABLED16</key><true/><key>ENABLED9</key><true/>");
  VMRegisterSpringBoardClasses();
  id date = make("SBLockScreenDateViewController");
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), NO);

  void* handle = load();
  ASSERT_NE(handle, nullptr);
  std::vector<VelmotintHookInfo> rows = hooks(handle);
  ASSERT_EQ(rows.size(), 63u);
  for (const VelmotintHookInfo& row : rows) EXPECT_TRUE(row.installed) << row.number;

  // The first call after loading already sees the file's flags.
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), YES);
  auto* flag = static_cast<std::atomic<bool>*>(dlsym(handle, "ENABLED9"));
  ASSERT_NE(flag, nullptr);
  EXPECT_TRUE(flag->load());
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
