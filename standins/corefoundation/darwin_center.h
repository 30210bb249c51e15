// The Darwin centre of one process: its registrations, its socket in the rendezvous
// folder and the background thread that turns arriving names into callbacks.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "standins/corefoundation/CoreFoundation.h"
#include "standins/corefoundation/observer_registry.h"
#include "standins/corefoundation/rendezvous.h"

namespace vm::notify {

class DarwinCenter {
 public:
  // The process's centre. A child made by fork() gets one of its own, because the
  // parent's delivery thread does not exist in the child.
  static DarwinCenter& shared();

  // The opaque value callers hold for the centre.
  static CFNotificationCenterRef ref();

  // Registers the callback, then makes sure this process listens in the current device
  // root and that the delivery thread runs.
  void addObserver(const void* observer, CFNotificationCallback callback, const std::string& name);

  // After this returns on any thread but the delivery thread, no removed callback runs.
  void removeObserver(const void* observer, const std::string* name);

  void post(const std::string& name);

 private:
  DarwinCenter();
  DarwinCenter(const DarwinCenter&) = delete;
  DarwinCenter& operator=(const DarwinCenter&) = delete;

  void listenInCurrentRoot();
  void relistenIfMoved();
  bool relistenIfMovedLocked();
  void startDeliveryThread();
  void deliveryLoop(std::promise<void> running);
  int currentListenerClosingRetired();
  void deliver(const std::vector<std::string>& names);
  void wakeDeliveryThread();
  void forgetInheritedDescriptors();
  static void removeSocketAtExit();

  const pid_t owner_;
  ObserverRegistry registry_;

  std::mutex stateLock_;  // guards the members up to threadStarted_
  Listener listener_;
  std::string listenerRoot_;  // the root of the latest registration
  std::string boundRoot_;     // the root listener_ was bound in
  std::vector<int> retired_;  // old sockets, closed by the delivery thread only
  bool exitHandlerRegistered_ = false;
  bool threadStarted_ = false;

  const int wakeFd_;
  std::atomic<std::thread::id> deliveryThread_{};
  std::mutex callbackLock_;  // held while a callback runs
};

}  // namespace vm::notify
