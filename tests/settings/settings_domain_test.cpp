// A settings domain's snapshot: fresh at the very next use after any change to the file,
// read only once while the file stays as it is, and safe to use from several threads.
#include "settings_store/settings_domain.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "bridge/foundation.h"
#include "tests/support/device_root.h"

namespace {

using namespace std::chrono_literals;

class SettingsDomainTest : public vm::test::DeviceRootTest {
 public:
  vm::SettingsDomain& domain() { return vm::SettingsDomain::velmotint(); }
  std::string file() const { return path(vm::SettingsDomain::velmotint().devicePath()); }

  void store(const std::string& colour) {
    writeSettings(vm::test::stringEntry("vmColor6", colour));
  }
  // What the snapshot holds under vmColor6 now; "none" without a snapshot.
  std::string stored() {
    vm::AutoreleasePool pool;
    vm::SettingsSnapshotRef snapshot = domain().current();
    if (!snapshot) return "none";
    return vm::stdString(snapshot->objectForKey(vm::nsString("vmColor6")));
  }
  // Past the window in which a file's identity is not trusted yet.
  static void letTheFileSettle() { std::this_thread::sleep_for(120ms); }

  vm::AutoreleasePool pool_;
};

// Its path is checked wherever the file is written and read back through the domain.
TEST_F(SettingsDomainTest, TheDomainIsOneObjectWhateverItIsCalledBy) {
  EXPECT_EQ(&vm::SettingsDomain::named("com.tanvork.velmotint"), &domain());
}

TEST_F(SettingsDomainTest, EveryChangeShowsAtTheVeryNextUse) {
  struct Change {
    const char* name;
    std::function<void(SettingsDomainTest&)> apply;
    std::string expected;
  };
  const Change changes[] = {
      {"rewrite in place, same size", [](SettingsDomainTest& t) { t.store("#00ff00"); }, "#00ff00"},
      {"atomic replace",
       [](SettingsDomainTest& t) {
         std::string temporary = t.file() + ".new";
         std::ofstream(temporary) << vm::test::xmlPlist(
             vm::test::stringEntry("vmColor6", "#0000ff:0.5"));
         std::filesystem::rename(temporary, t.file());
       },
       "#0000ff:0.5"},
      {"deletion", [](SettingsDomainTest& t) { std::filesystem::remove(t.file()); }, "none"},
      {"a directory in its place",
       [](SettingsDomainTest& t) {
         std::filesystem::remove(t.file());
         std::filesystem::create_directory(t.file());
       },
       "none"},
      {"garbage", [](SettingsDomainTest& t) { std::ofstream(t.file()) << "}{ garbage"; }, "none"},
      {"1000 zero bytes",
       [](SettingsDomainTest& t) { std::ofstream(t.file()) << std::string(1000, '\0'); }, "none"},
  };
  for (bool settled : {true, false}) {
    for (const Change& change : changes) {
      SCOPED_TRACE(std::string(change.name) + (settled ? ", long after" : ", at once"));
      std::filesystem::remove_all(file());
      store("#ff0000");
      if (settled) letTheFileSettle();
      ASSERT_EQ(stored(), "#ff0000");
      ASSERT_EQ(stored(), "#ff0000");
      change.apply(*this);
      EXPECT_EQ(stored(), change.expected);
    }
  }
}

TEST_F(SettingsDomainTest, AnUnchangedFileIsReadOnce) {
  store("#ff0000");
  letTheFileSettle();
  ASSERT_EQ(stored(), "#ff0000");
  const uint64_t reads = domain().filesRead();
  for (int i = 0; i < 50; ++i) ASSERT_EQ(stored(), "#ff0000");
  EXPECT_EQ(domain().filesRead(), reads);
  // A file that has only just changed is read again until it has settled.
  store("#00ff00");
  EXPECT_EQ(stored(), "#00ff00");
  EXPECT_EQ(stored(), "#00ff00");
  EXPECT_GE(domain().filesRead(), reads + 2);
}

TEST_F(SettingsDomainTest, NothingIsKeptForAFileThatHoldsNoDictionary) {
  writeFile(domain().devicePath(), "<?xml version=\"1.0\"?><plist><array/></plist>");
  letTheFileSettle();
  const uint64_t reads = domain().filesRead();
  EXPECT_EQ(stored(), "none");
  EXPECT_EQ(stored(), "none");
  EXPECT_EQ(domain().filesRead(), reads + 2);
}

TEST_F(SettingsDomainTest, AHeldSnapshotOutlivesChangesToTheFile) {
  store("#ff0000");
  vm::SettingsSnapshotRef held = domain().current();
  ASSERT_TRUE(held);
  id colour = held->objectForKey(vm::nsString("vmColor6"));
  for (const char* next : {"#00ff00", "#0000ff"}) {
    store(next);
    ASSERT_EQ(stored(), next);
  }
  std::filesystem::remove(file());
  ASSERT_EQ(stored(), "none");
  EXPECT_EQ(vm::stdString(colour), "#ff0000");
  EXPECT_EQ(vm::retainCount(held->dictionary()), 1u);
}

}  // namespace
