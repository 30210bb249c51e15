#include "standins/corefoundation/darwin_center.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <future>

#include "bridge/foundation.h"
#include "linux_only/device_path.h"

struct __CFNotificationCenter {};

namespace vm::notify {
namespace {

__CFNotificationCenter gDarwinCenterValue;

// Leaked on purpose, like the device's centre: the delivery thread keeps using it while
// the process runs its exit handlers and static destructors.
std::atomic<DarwinCenter*> gCurrent{nullptr};

// How often the delivery thread checks that its socket's file is still in place (someone
// may remove it, or the whole folder): a process made deaf hears posts again within this.
constexpr int kRecheckMs = 250;
// Back-off after an unexpected poll failure, so the thread never spins.
constexpr int kPollFailureBackoffMs = 50;

}  // namespace

DarwinCenter::DarwinCenter() : owner_(getpid()), wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

DarwinCenter& DarwinCenter::shared() {
  DarwinCenter* centre = gCurrent.load(std::memory_order_acquire);
  if (centre != nullptr && centre->owner_ == getpid()) return *centre;
  static std::mutex creating;
  std::lock_guard<std::mutex> hold(creating);
  centre = gCurrent.load(std::memory_order_acquire);
  if (centre == nullptr || centre->owner_ != getpid()) {
    if (centre != nullptr) centre->forgetInheritedDescriptors();
    centre = new DarwinCenter;
    gCurrent.store(centre, std::memory_order_release);
  }
  return *centre;
}

CFNotificationCenterRef DarwinCenter::ref() {
  return &gDarwinCenterValue;
}

void DarwinCenter::addObserver(const void* observer, CFNotificationCallback callback,
                               const std::string& name) {
  registry_.add(observer, callback, name);
  listenInCurrentRoot();
  startDeliveryThread();
}

void DarwinCenter::removeObserver(const void* observer, const std::string* name) {
  registry_.remove(observer, name);
  // A callback already past its check may still be running; wait it out so the caller
  // can free what the observer points to. The delivery thread itself must not wait.
  if (std::this_thread::get_id() != deliveryThread_.load()) {
    std::lock_guard<std::mutex> settle(callbackLock_);
  }
}

void DarwinCenter::post(const std::string& name) {
  postToEveryListener(name);
}

// The socket follows the device root of the latest registration.
void DarwinCenter::listenInCurrentRoot() {
  std::string root = deviceRoot();
  std::lock_guard<std::mutex> hold(stateLock_);
  listenerRoot_ = root;
  if (relistenIfMovedLocked()) wakeDeliveryThread();
}

void DarwinCenter::relistenIfMoved() {
  std::lock_guard<std::mutex> hold(stateLock_);
  relistenIfMovedLocked();
}

// Binds again when the socket's file was removed or replaced, or the root changed, so a
// process whose file or root folder is taken away keeps hearing posts. True when the
// socket changed.
bool DarwinCenter::relistenIfMovedLocked() {
  if (listenerRoot_.empty()) return false;  // nobody has registered yet
  if (listener_.stillInPlace() && boundRoot_ == listenerRoot_) return false;
  if (listener_.valid()) {
    // Only our own file: a replacement someone else put there stays.
    if (listener_.stillInPlace()) unlink(listener_.path.c_str());
    retired_.push_back(listener_.fd);
    listener_ = Listener();
  }
  listener_ = bindListener(listenerRoot_);
  boundRoot_ = listenerRoot_;
  if (listener_.valid() && !exitHandlerRegistered_) {
    exitHandlerRegistered_ = std::atexit(removeSocketAtExit) == 0;
  }
  return true;
}

void DarwinCenter::startDeliveryThread() {
  std::lock_guard<std::mutex> hold(stateLock_);
  if (threadStarted_) return;
  // Returns only once the thread runs our code: it then knows its own id, and a process
  // that exits straight after registering never ends while the thread is still being set
  // up (a half-made thread's stack is not yet one the leak checker scans).
  std::promise<void> running;
  std::future<void> ran = running.get_future();
  std::thread(&DarwinCenter::deliveryLoop, this, std::move(running)).detach();
  ran.wait();
  threadStarted_ = true;
}

int DarwinCenter::currentListenerClosingRetired() {
  std::lock_guard<std::mutex> hold(stateLock_);
  for (int fd : retired_) close(fd);
  retired_.clear();
  return listener_.fd;
}

void DarwinCenter::deliveryLoop(std::promise<void> running) {
  deliveryThread_.store(std::this_thread::get_id());
  running.set_value();
  for (;;) {
    int listenerFd = currentListenerClosingRetired();
    // A negative descriptor is skipped by poll: with no socket only a wake-up counts.
    pollfd watched[2] = {{wakeFd_, POLLIN, 0}, {listenerFd, POLLIN, 0}};
    int ready = poll(watched, 2, kRecheckMs);
    if (ready < 0) {
      if (errno != EINTR) poll(nullptr, 0, kPollFailureBackoffMs);
      continue;
    }
    if (ready == 0) {
      relistenIfMoved();
      continue;
    }
    if ((watched[0].revents & POLLIN) != 0) {
      std::uint64_t count;
      [[maybe_unused]] ssize_t ignored = read(wakeFd_, &count, sizeof(count));
    }
    if (listenerFd >= 0 && (watched[1].revents & POLLIN) != 0) {
      deliver(receivePendingNames(listenerFd));
    }
  }
}

// One round: every name that arrived since the last round, each to its observers once.
void DarwinCenter::deliver(const std::vector<std::string>& names) {
  if (names.empty()) return;
  AutoreleasePool pool;
  for (const std::string& name : names) {
    std::vector<Registration> observers = registry_.matching(name);
    // Every process hears every name posted under its root; only the names it observes
    // become strings it keeps (already interned when they were registered).
    if (observers.empty()) continue;
    CFStringRef cfName = __CFStringMakeConstantString(name.c_str());
    for (const Registration& registration : observers) {
      std::lock_guard<std::mutex> running(callbackLock_);
      if (!registry_.contains(registration.id)) continue;  // removed during this round
      try {
        registration.callback(ref(), const_cast<void*>(registration.observer), cfName, nullptr,
                              nullptr);
      } catch (...) {
        // A throwing callback must not end delivery for every other observer.
      }
    }
  }
}

void DarwinCenter::wakeDeliveryThread() {
  if (wakeFd_ < 0) return;
  std::uint64_t one = 1;
  [[maybe_unused]] ssize_t ignored = write(wakeFd_, &one, sizeof(one));
}

// Runs in a forked child, which has a single thread: the parent's locks may be held by
// threads that are gone, so nothing here takes one. The socket file stays the parent's.
void DarwinCenter::forgetInheritedDescriptors() {
  if (listener_.valid()) close(listener_.fd);
  for (int fd : retired_) close(fd);
  if (wakeFd_ >= 0) close(wakeFd_);
}

void DarwinCenter::removeSocketAtExit() {
  DarwinCenter* centre = gCurrent.load(std::memory_order_acquire);
  if (centre == nullptr || centre->owner_ != getpid()) return;
  std::lock_guard<std::mutex> hold(centre->stateLock_);
  if (centre->listener_.stillInPlace()) unlink(centre->listener_.path.c_str());
  // The delivery thread runs on while the process exits: it must not bind again.
  centre->listenerRoot_.clear();
}

}  // namespace vm::notify
