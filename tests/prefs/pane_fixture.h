// What the pane's tests share: a device root of their own, the velmotintPrefs bundle
// loaded into the test process, rows made by hand, and staging the built pane into the
// device root for the programs a test starts.
#pragma once

#include <objc/runtime.h>

#include <atomic>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "standins/corefoundation/CoreFoundation.h"
#include "tests/support/device_root.h"

namespace vm::test {

class PaneTest : public DeviceRootTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads the bundle from the build's staged copy: its code and lists do not depend on the
  // device root, and a process loads a bundle once, however many cases it runs.
  static Class loadPane();

  // A new object of the class (alloc, init), released when the case ends.
  id make(const char* className);
  // A row with these properties (values are NSString, NSNumber, ...), released at the end.
  id makeRow(const std::vector<std::pair<const char*, id>>& properties);

  // Copies the built pane (bundle and loader entry) into the root.
  void stagePane() const;

  std::string settingsFile() const;
  // The stored value of `key` as text: "on"/"off" for booleans, the string otherwise, ""
  // when absent.
  std::string stored(const char* key) const;

 private:
  std::vector<id> made_;
};

// Counts the Darwin notifications of one name that the process hears while it lives.
class HeardPosts {
 public:
  explicit HeardPosts(const char* name);
  ~HeardPosts();
  HeardPosts(const HeardPosts&) = delete;
  HeardPosts& operator=(const HeardPosts&) = delete;
  int count() const { return count_; }
  // Whether `count` notifications are heard within five seconds.
  bool waitFor(int count) const;

 private:
  static void heard(CFNotificationCenterRef center, void* observer, CFNotificationName name,
                    const void* object, CFDictionaryRef userInfo);
  std::atomic<int> count_{0};
};

// Only ever waited out when something is broken.
inline constexpr std::chrono::seconds kProcessTimeout{10};

// An autoreleased NSNumber for a switch's row or value.
id boolean(bool value);

}  // namespace vm::test
