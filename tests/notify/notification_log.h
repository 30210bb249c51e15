// What observers heard, for tests: a callback that records into the log passed as its
// observer, bounded waits, and a way to post from another process.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "standins/corefoundation/CoreFoundation.h"

namespace vm::test {

using namespace std::chrono_literals;

// Long enough for a loaded machine, and only ever reached when something is broken.
inline constexpr std::chrono::milliseconds kDeliveryTimeout = 5s;

struct Heard {
  std::string name;
  CFStringRef nameRef;
  CFNotificationCenterRef center;
  const void* object;
  CFDictionaryRef userInfo;
  std::thread::id thread;
};

class NotificationLog {
 public:
  NotificationLog() = default;
  // Drops every registration made for this log, so no callback outlives it.
  ~NotificationLog();
  NotificationLog(const NotificationLog&) = delete;
  NotificationLog& operator=(const NotificationLog&) = delete;

  // The callback to register with this log as the observer.
  static void record(CFNotificationCenterRef center, void* observer, CFNotificationName name,
                     const void* object, CFDictionaryRef userInfo);

  // Registers `record` for `name` with this log as the observer.
  void observe(CFStringRef name);

  int count(const std::string& name) const;
  std::vector<Heard> heard() const;

  // Waits until `name` has been heard at least `times` times; false on timeout.
  bool waitFor(const std::string& name, int times = 1,
               std::chrono::milliseconds timeout = kDeliveryTimeout) const;

 private:
  int countLocked(const std::string& name) const;  // with lock_ held

  mutable std::mutex lock_;
  mutable std::condition_variable changed_;
  std::vector<Heard> heard_;
};

inline CFNotificationCenterRef darwin() {
  return CFNotificationCenterGetDarwinNotifyCenter();
}

// Posts `name` to every process, this one included.
inline void post(CFStringRef name) {
  CFNotificationCenterPostNotification(darwin(), name, nullptr, nullptr, true);
}

// Runs the posting tool with the given device root and names; its exit status, or -1.
int postFromOtherProcess(const std::string& deviceRoot, const std::vector<std::string>& names);

// The names in the rendezvous folder of `deviceRoot`.
std::vector<std::string> rendezvousEntries(const std::string& deviceRoot);

}  // namespace vm::test
