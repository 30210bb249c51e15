// The notification thread reloads the flags while other threads read flags and colours, as
// SpringBoard lays out while the Settings app changes options. Run under
// ThreadSanitizer too (scripts/test.sh).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "tests/support/device_root.h"
#include "tests/support/rgba.h"
#include "tweak/feature_flags.h"
#include "tweak/settings.h"
#include "tweak/settings_keys.h"

namespace {

using namespace std::chrono_literals;
using velmotint::kFeatureFlags;

struct Setting {
  bool flags;
  const char* colour;
  vm::test::Rgba rgba;  // the colour as read back
};
const Setting kAllOn{true, "#336699:0.5", vm::test::rgbaOfBytes(0x33, 0x66, 0x99, 0.5)};
const Setting kAllOff{false, "#cc0000", vm::test::rgbaOfBytes(0xcc, 0, 0, 1.0)};

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
  // vmColor1 as the tweak looks it up in the domain `domain` names.
  static vm::test::Rgba colourIn(id domain) {
    vm::AutoreleasePool pool;
    return vm::test::componentsOf(colorFromDefaultsWithKey(
        domain, vm::nsString("vmColor1"), vm::nsString(velmotint::kFallbackColour)));
  }
};

TEST_F(ReloadWhileReading, EveryReadSeesAWholeSettingAndTheLastOneWins) {
  store(kAllOn);
  initSettings();
  ASSERT_EQ(flagsOn(), static_cast<int>(kFeatureFlags.size()));

  // Readers on several threads while this one replaces the file again and again, as the
  // Settings app does. Half of them share one domain string, as the tweak shares its own; the
  // others make theirs afresh. Each colour read gives the old colour or the new one, never
  // the fallback, a mix or a freed value.
  std::atomic<bool> writing{true};
  std::atomic<int> wrong{0}, reads{0};
  const id shared = vm::nsString(velmotint::kSettingsDomain);
  std::vector<std::thread> readers;
  for (int r = 0; r < 4; ++r) {
    readers.emplace_back([&, r] {
      while (writing || reads < 50) {
        vm::AutoreleasePool pool;  // for the fresh domain strings
        // Flags change one by one during a reload, so any mixture may be seen; they are
        // read here for ThreadSanitizer.
        flagsOn();
        vm::test::Rgba colour =
            colourIn(r % 2 == 0 ? shared : vm::nsString(velmotint::kSettingsDomain));
        if (!(colour == kAllOn.rgba) && !(colour == kAllOff.rgba)) wrong.fetch_add(1);
        reads.fetch_add(1);
      }
    });
  }
  for (int i = 0; i < 300; ++i) {
    store(i % 2 == 0 ? kAllOff : kAllOn);
    post();
  }
  store(kAllOff);
  post();
  writing = false;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(wrong.load(), 0);

  // The last post's reload ends with every flag off.
  for (int waited = 0; waited < 5000 && flagsOn() != 0; waited += 5)
    std::this_thread::sleep_for(5ms);
  EXPECT_EQ(flagsOn(), 0);
  EXPECT_EQ(colourIn(shared), kAllOff.rgba);
}

}  // namespace
