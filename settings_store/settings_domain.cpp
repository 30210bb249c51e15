#include "settings_store/settings_domain.h"

#include <sys/time.h>

#include <algorithm>
#include <map>

#include "bridge/foundation.h"
#include "bridge/linux_seams.h"
#include "settings_store/property_list.h"

namespace vm {
namespace {

constexpr const char* kPreferencesFolder = "/var/mobile/Library/Preferences/";

// How long after its last change a file's identity is trusted. File systems stamp times
// from a clock that moves in ticks (a few milliseconds here; whole seconds where the times
// carry no nanoseconds, as on older devices), so a second change within a tick can leave
// every field as it was.
constexpr int64_t kFineWindowNs = 50'000'000;
constexpr int64_t kCoarseWindowNs = 2'000'000'000;

int64_t nanoseconds(const timespec& t) {
  return static_cast<int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The wall clock, which stamps file times; gettimeofday rather than clock_gettime, which
// the oldest devices supported lack.
int64_t wallClockNs() {
  timeval now{};
  gettimeofday(&now, nullptr);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + int64_t{now.tv_usec} * 1000;
}

bool settledAt(const FileIdentity& identity, int64_t readStartNs) {
  const bool coarse = identity.modified.tv_nsec == 0 && identity.changed.tv_nsec == 0;
  int64_t lastChange = std::max(nanoseconds(identity.modified), nanoseconds(identity.changed));
  return readStartNs >= lastChange + (coarse ? kCoarseWindowNs : kFineWindowNs);
}

}  // namespace

SettingsSnapshot::SettingsSnapshot(id dictionary, const FileIdentity& identity, bool settled)
    : dictionary_(dictionary), identity_(identity), settled_(settled) {}

SettingsSnapshot::~SettingsSnapshot() {
  release(dictionary_);
}

id SettingsSnapshot::objectForKey(id key) const {
  return key == nil ? nil : send<id>(dictionary_, sel::objectForKey_, key);
}

SettingsDomain& SettingsDomain::named(const std::string& name) {
  static std::mutex registryLock;
  // Lives as long as the process: snapshots handed out must outlive any static teardown.
  static auto* domains = new std::map<std::string, std::unique_ptr<SettingsDomain>>();
  std::lock_guard<std::mutex> hold(registryLock);
  std::unique_ptr<SettingsDomain>& domain = (*domains)[name];
  if (!domain) domain.reset(new SettingsDomain(name));
  return *domain;
}

SettingsDomain::SettingsDomain(std::string name)
    : name_(std::move(name)), devicePath_(kPreferencesFolder + name_ + ".plist") {}

std::string SettingsDomain::hostPath() const {
  return currentHostPath(devicePath_);
}

void SettingsDomain::rememberName(id name) {
  if (nameObject_.load(std::memory_order_relaxed) != nil || !isString(name)) return;
  id kept = send<id>(name, sel::copy);
  id none = nil;
  if (kept != name || !nameObject_.compare_exchange_strong(none, kept, std::memory_order_acq_rel))
    release(kept);
}

SettingsSnapshotRef SettingsDomain::current() {
  const std::string& path = currentHostPath(devicePath_);
  FileIdentity now;
  if (!identityOfRegularFile(path, &now)) {
    SettingsSnapshotRef dropped;
    std::lock_guard<std::mutex> hold(lock_);
    dropped.swap(cached_);  // released after the lock, by `dropped`
    return nullptr;
  }
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (cached_ && cached_->settled() && cached_->identity() == now && cachedPath_ == path)
      return cached_;
  }
  SettingsSnapshotRef fresh = read(path);
  SettingsSnapshotRef dropped;
  std::lock_guard<std::mutex> hold(lock_);
  dropped.swap(cached_);
  cached_ = fresh;
  cachedPath_ = path;
  return fresh;
}

SettingsSnapshotRef SettingsDomain::read(const std::string& path) {
  const int64_t readStart = wallClockNs();
  std::string bytes;
  FileIdentity identity;
  if (!readRegularFile(path, kMaxPropertyListBytes, &bytes, &identity)) return nullptr;
  filesRead_.fetch_add(1, std::memory_order_relaxed);
  id dictionary = copyDictionaryFromBytes(bytes.data(), bytes.size(), Containers::kImmutable);
  if (dictionary == nil) return nullptr;
  return std::make_shared<const SettingsSnapshot>(dictionary, identity,
                                                  settledAt(identity, readStart));
}

}  // namespace vm
