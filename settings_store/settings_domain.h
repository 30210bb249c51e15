// A settings domain: the property-list file "/var/mobile/Library/Preferences/<name>.plist"
// as this machine stores it, and the last dictionary read from it.
//
// Readers ask for the current snapshot on every use. That costs one stat of the file; the
// file is read and parsed again only when its identity (device, inode, size, modification
// and change times to the nanosecond) differs from the snapshot's. A missing, unreadable,
// non-regular or non-dictionary file gives no snapshot, and nothing is kept for it.
//
// Threads: any thread may ask at any time. A snapshot is built completely before it is
// published, and a caller's reference keeps it (and its dictionary) alive however many
// times the file changes meanwhile.
#pragma once

#include <objc/runtime.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "settings_store/file_bytes.h"
#include "settings_store/settings_names.h"

namespace vm {

// One reading of a settings file: an immutable dictionary and the identity of the file
// it came from.
class SettingsSnapshot {
 public:
  // Adopts `dictionary` (+1).
  SettingsSnapshot(id dictionary, const FileIdentity& identity, bool settled);
  ~SettingsSnapshot();
  SettingsSnapshot(const SettingsSnapshot&) = delete;
  SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

  // Never nil. Owned by the snapshot: valid while the caller holds the snapshot.
  id dictionary() const { return dictionary_; }
  // The value under `key` (an NSString), or nil.
  id objectForKey(id key) const;
  const FileIdentity& identity() const { return identity_; }
  // Whether the file had stopped changing when it was read. A file changed again within
  // the same tick of the file system's clock could keep its identity, so a snapshot read
  // that soon after a change is never reused.
  bool settled() const { return settled_; }

 private:
  id dictionary_;
  FileIdentity identity_;
  bool settled_;
};

using SettingsSnapshotRef = std::shared_ptr<const SettingsSnapshot>;

class SettingsDomain {
 public:
  // The process-wide domain of that name, made on first use and kept for the process.
  static SettingsDomain& named(const std::string& name);
  static SettingsDomain& velmotint() { return named(kVelmotintDomain); }

  const std::string& name() const { return name_; }
  // "/var/mobile/Library/Preferences/<name>.plist".
  const std::string& devicePath() const { return devicePath_; }
  // The device path as this machine stores it (bridge/linux_seams.h).
  std::string hostPath() const;

  // The file's dictionary as it is now, or null. See the top of this file.
  SettingsSnapshotRef current();

  // Whether `name` is the string object this domain was remembered by: the same immutable
  // string names the same domain, so its text need not be read again.
  bool isNamedBy(id name) const {
    return name != nil && name == nameObject_.load(std::memory_order_acquire);
  }
  // Remembers `name`, a string naming this domain, if it is immutable (its -copy is itself)
  // and no string is remembered yet. A remembered string is kept for the process, so its
  // address can never come to name another object.
  void rememberName(id name);

  // How many times this domain has read and parsed its file: what tells a reused snapshot
  // from a fresh one.
  uint64_t filesRead() const { return filesRead_.load(std::memory_order_relaxed); }

  SettingsDomain(const SettingsDomain&) = delete;
  SettingsDomain& operator=(const SettingsDomain&) = delete;

 private:
  explicit SettingsDomain(std::string name);
  SettingsSnapshotRef read(const std::string& path);

  const std::string name_;
  const std::string devicePath_;
  std::mutex lock_;
  SettingsSnapshotRef cached_;  // guarded by lock_
  std::string cachedPath_;      // guarded by lock_: the host path it was read from
  std::atomic<uint64_t> filesRead_{0};
  std::atomic<id> nameObject_{nil};
};

}  // namespace vm
