#include "standins/corefoundation/observer_registry.h"

#include <algorithm>

namespace vm::notify {

void ObserverRegistry::add(const void* observer, CFNotificationCallback callback,
                           const std::string& name) {
  std::lock_guard<std::mutex> hold(lock_);
  for (const Registration& r : registrations_) {
    if (r.observer == observer && r.callback == callback && r.name == name) return;
  }
  registrations_.push_back(Registration{nextId_++, observer, callback, name});
}

void ObserverRegistry::remove(const void* observer, const std::string* name) {
  std::lock_guard<std::mutex> hold(lock_);
  registrations_.erase(std::remove_if(registrations_.begin(), registrations_.end(),
                                      [&](const Registration& r) {
                                        return r.observer == observer &&
                                               (name == nullptr || r.name == *name);
                                      }),
                       registrations_.end());
}

std::vector<Registration> ObserverRegistry::matching(const std::string& name) const {
  std::lock_guard<std::mutex> hold(lock_);
  std::vector<Registration> found;
  for (const Registration& r : registrations_) {
    if (r.name == name) found.push_back(r);
  }
  return found;
}

bool ObserverRegistry::contains(std::uint64_t id) const {
  std::lock_guard<std::mutex> hold(lock_);
  return std::any_of(registrations_.begin(), registrations_.end(),
                     [id](const Registration& r) { return r.id == id; });
}

}  // namespace vm::notify
