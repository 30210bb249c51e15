// The process's registrations with the Darwin centre. Thread-safe: registrations change
// on the host's threads while the delivery thread reads them.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "standins/corefoundation/CoreFoundation.h"

namespace vm::notify {

struct Registration {
  std::uint64_t id;
  const void* observer;
  CFNotificationCallback callback;
  std::string name;
};

class ObserverRegistry {
 public:
  // Adds a registration unless the same observer, callback and name are already there.
  void add(const void* observer, CFNotificationCallback callback, const std::string& name);

  // Removes the observer's registrations for `name`, or for every name when it is null.
  void remove(const void* observer, const std::string* name);

  // The registrations for `name`, in the order they were made.
  std::vector<Registration> matching(const std::string& name) const;

  // Whether the registration is still present (not removed since it was looked up).
  bool contains(std::uint64_t id) const;

 private:
  mutable std::mutex lock_;
  std::vector<Registration> registrations_;
  std::uint64_t nextId_ = 1;
};

}  // namespace vm::notify
