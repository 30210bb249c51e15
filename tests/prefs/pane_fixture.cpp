#include "tests/prefs/pane_fixture.h"

#include <poll.h>

#include <filesystem>

#include "bridge/foundation.h"
#include "linux_only/property_list_files.h"
#include "standins/preferences/preferences.h"

namespace vm::test {
namespace {

namespace fs = std::filesystem;

const std::string kStage = VM_BUILD_DIR "/prefs/stage";

}  // namespace

HeardPosts::HeardPosts(const char* name) {
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), this,
                                  &HeardPosts::heard, __CFStringMakeConstantString(name), nullptr,
                                  CFNotificationSuspensionBehaviorDeliverImmediately);
}

HeardPosts::~HeardPosts() {
  CFNotificationCenterRemoveEveryObserver(CFNotificationCenterGetDarwinNotifyCenter(), this);
}

void HeardPosts::heard(CFNotificationCenterRef, void* observer, CFNotificationName, const void*,
                       CFDictionaryRef) {
  ++static_cast<HeardPosts*>(observer)->count_;
}

bool HeardPosts::waitFor(int count) const {
  for (int waited = 0; waited < 5000 && count_ < count; waited += 10) poll(nullptr, 0, 10);
  return count_ >= count;
}

void PaneTest::SetUp() {
  DeviceRootTest::SetUp();
  ASSERT_NE(loadPane(), nullptr);
}

void PaneTest::TearDown() {
  for (id object : made_) release(object);
  made_.clear();
  DeviceRootTest::TearDown();
}

Class PaneTest::loadPane() {
  preferences::LoadedBundle bundle =
      preferences::loadBundle(kStage + "/Library/PreferenceBundles/velmotintPrefs.bundle");
  EXPECT_EQ(bundle.error, "");
  return bundle.principalClass;
}

id PaneTest::make(const char* className) {
  id object = send<id>(send<id>(objc_getClass(className), sel::alloc), sel::init);
  if (object != nil) made_.push_back(object);
  return object;
}

id PaneTest::makeRow(const std::vector<std::pair<const char*, id>>& properties) {
  id row = make("PSSpecifier");
  for (const auto& [key, value] : properties)
    send<void>(row, sel::setProperty_forKey_, value, nsString(key));
  return row;
}

void PaneTest::stagePane() const {
  fs::copy(kStage, root(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::string PaneTest::stored(const char* key) const {
  AutoreleasePool pool;
  id values = copyDictionaryAtPath(nsString(settingsFile()));
  id value = send<id>(values, sel::objectForKey_, nsString(key));
  std::string result = isString(value) ? stdString(value)
                       : value == nil  ? ""
                                       : (send<BOOL>(value, sel::boolValue) ? "on" : "off");
  release(values);
  return result;
}

std::string PaneTest::settingsFile() const {
  return path(kSettingsFile);
}

id boolean(bool value) {
  return send<id>(cls::NSNumber.get(), sel::numberWithBool_, static_cast<BOOL>(value ? YES : NO));
}

}  // namespace vm::test
