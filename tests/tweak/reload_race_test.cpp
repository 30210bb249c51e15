// The notification thread reloads the flags while the main thread reads flags and colours,
// as SpringBoard lays out while the Settings app changes options. Run under
// ThreadSanitizer too (scripts/test.sh).
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "tests/support/device_root.h"
#include "tweak/feature_flags.h"
#include "tweak/settings.h"
#include "tweak/settings_keys.h"

namespace {

using namespace std::chrono_literals;
using velmotint::kFeatureFlags;

struct Setting {
  bool flags;
  const char* colour;
  unsigned char red;  // the colour's red byte, as read back
};
const Setting kAllOn{true, "#336699:0.5", 0x33};
const Setting kAllOff{false, "#cc0000", 0xcc};
constexpr unsigned char kFallbackRed = 0xa1;

class ReloadWhileReading : public vm::test::DeviceRootTest {
 protected:
  // Replaced whole, as the Settings app writes it, so a reader sees one file or the other.
  void store(const Setting& setting) {
    std::string body = vm::test::stringEntry("vmColor1", setting.colour);
    for (const auto& entry : kFeatureFlags) body += vm::test::boolEntry(entry.key, setting.flags);
    writeFile(vm::test::kSettingsFile + ".new", vm::test::xmlPlist(body));
    ASSERT_EQ(std::rename(path(vm::test::kSettingsFile + ".new").c_str(),
                          path(vm::test::kSettingsFile).c_str()),
              0);
  }
  static void post() {
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                         CFSTR("com.tanvork.velmotint/settingschanged"), nullptr,
                                         nullptr, true);
  }
  static int flagsOn() {
    int on = 0;
    for (const auto& entry : kFeatureFlags) on += velmotint::on(*entry.flag) ? 1 : 0;
    return on;
  }
  static int redOfColour() {
    vm::AutoreleasePool pool;
    id colour =
        colorFromDefaultsWithKey(vm::nsString(velmotint::kSettingsDomain), vm::nsString("vmColor1"),
                                 vm::nsString(velmotint::kFallbackColour));
    CGFloat red = -1, green, blue, alpha;
    vm::send<BOOL>(colour, vm::sel::getRed_green_blue_alpha_, &red, &green, &blue, &alpha);
    return static_cast<int>(red * 255 + 0.5);
  }
};

TEST_F(ReloadWhileReading, EveryReadSeesAWholeSettingAndTheLastOneWins) {
  store(kAllOn);
  initSettings();
  ASSERT_EQ(flagsOn(), 24);

  std::atomic<bool> writing{true};
  std::thread settingsApp([&] {
    for (int i = 0; i < 40; ++i) {
      store(i % 2 == 0 ? kAllOff : kAllOn);
      post();
      std::this_thread::sleep_for(2ms);
    }
    store(kAllOff);
    post();
    writing = false;
  });
  int reads = 0;
  while (writing || reads < 50) {
    // Flags change one by one during a reload, so any mixture may be seen; the reads are
    // here for ThreadSanitizer.
    flagsOn();
    int red = redOfColour();
    ASSERT_TRUE(red == kAllOn.red || red == kAllOff.red || red == kFallbackRed) << red;
    ++reads;
  }
  settingsApp.join();

  // The last post's reload ends with every flag off.
  for (int waited = 0; waited < 5000 && flagsOn() != 0; waited += 5)
    std::this_thread::sleep_for(5ms);
  EXPECT_EQ(flagsOn(), 0);
  EXPECT_EQ(redOfColour(), kAllOff.red);
}

}  // namespace
