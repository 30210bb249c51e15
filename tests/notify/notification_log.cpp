#include "tests/notify/notification_log.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

extern char** environ;

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

int NotificationLog::count(const std::string& name) const {
  std::lock_guard<std::mutex> hold(lock_);
  return static_cast<int>(
      std::count_if(heard_.begin(), heard_.end(), [&](const Heard& h) { return h.name == name; }));
}

int NotificationLog::total() const {
  std::lock_guard<std::mutex> hold(lock_);
  return static_cast<int>(heard_.size());
}

std::vector<Heard> NotificationLog::heard() const {
  std::lock_guard<std::mutex> hold(lock_);
  return heard_;
}

bool NotificationLog::waitFor(const std::string& name, int times,
                              std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> hold(lock_);
  return changed_.wait_for(hold, timeout, [&] {
    return std::count_if(heard_.begin(), heard_.end(),
                         [&](const Heard& h) { return h.name == name; }) >= times;
  });
}

int postFromOtherProcess(const std::string& deviceRoot, const std::vector<std::string>& names) {
  std::vector<std::string> environment{"VELMOTINT_DEVICE_ROOT=" + deviceRoot};
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::string(*e).rfind("VELMOTINT_DEVICE_ROOT=", 0) != 0) environment.emplace_back(*e);
  }
  std::vector<std::string> arguments{VM_POST_PATH};
  arguments.insert(arguments.end(), names.begin(), names.end());
  auto pointers = [](std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (std::string& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
  };
  std::vector<char*> argv = pointers(arguments);
  std::vector<char*> envp = pointers(environment);
  pid_t child;
  if (posix_spawn(&child, VM_POST_PATH, nullptr, nullptr, argv.data(), envp.data()) != 0) {
    return -1;
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
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
