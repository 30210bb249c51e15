#include "tests/notify/notification_log.h"

#include <algorithm>
#include <filesystem>

#include "linux_only/device_path.h"
#include "tests/support/child_process.h"

namespace vm::test {

NotificationLog::~NotificationLog() {
  CFNotificationCenterRemoveEveryObserver(darwin(), this);
}

void NotificationLog::record(CFNotificationCenterRef center, void* observer,
                             CFNotificationName name, const void* object,
                             CFDictionaryRef userInfo) {
  auto* log = static_cast<NotificationLog*>(observer);
  const char* text = CFStringGetCStringPtr(name, kCFStringEncodingUTF8);
  std::lock_guard<std::mutex> hold(log->lock_);
  log->heard_.push_back(Heard{text == nullptr ? "<null>" : text, name, center, object, userInfo,
                              std::this_thread::get_id()});
  log->changed_.notify_all();
}

void NotificationLog::observe(CFStringRef name) {
  CFNotificationCenterAddObserver(darwin(), this, record, name, nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
}

int NotificationLog::countLocked(const std::string& name) const {
  return static_cast<int>(
      std::count_if(heard_.begin(), heard_.end(), [&](const Heard& h) { return h.name == name; }));
}

int NotificationLog::count(const std::string& name) const {
  std::lock_guard<std::mutex> hold(lock_);
  return countLocked(name);
}

std::vector<Heard> NotificationLog::heard() const {
  std::lock_guard<std::mutex> hold(lock_);
  return heard_;
}

bool NotificationLog::waitFor(const std::string& name, int times,
                              std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> hold(lock_);
  return changed_.wait_for(hold, timeout, [&] { return countLocked(name) >= times; });
}

int postFromOtherProcess(const std::string& deviceRoot, const std::vector<std::string>& names) {
  // env gives the tool its device root; this process keeps its own.
  std::vector<std::string> arguments{std::string(kDeviceRootVariable) + "=" + deviceRoot,
                                     VM_POST_PATH};
  arguments.insert(arguments.end(), names.begin(), names.end());
  return runProgram("/usr/bin/env", arguments);
}

std::vector<std::string> rendezvousEntries(const std::string& deviceRoot) {
  std::vector<std::string> entries;
  std::error_code ignored;
  for (const auto& entry :
       std::filesystem::directory_iterator(deviceRoot + "/var/run/notifications", ignored)) {
    entries.push_back(entry.path().filename().string());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace vm::test
