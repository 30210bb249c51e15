#include "standins/corefoundation/full_queues.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <mutex>
#include <set>
#include <utility>

namespace vm::notify {
namespace {

// How long a post waits, in all, for full queues to make room.
constexpr int kWaitMs = 200;

using Identity = std::pair<dev_t, ino_t>;

std::mutex gStalledLock;
std::set<Identity>& stalled() {
  static auto* receivers = new std::set<Identity>();  // lives as long as the process
  return *receivers;
}

bool isStalled(const Identity& receiver) {
  std::lock_guard<std::mutex> hold(gStalledLock);
  return stalled().count(receiver) != 0;
}

void markStalled(const Identity& receiver, bool stalledNow) {
  std::lock_guard<std::mutex> hold(gStalledLock);
  if (stalledNow)
    stalled().insert(receiver);
  else
    stalled().erase(receiver);
}

// True when the datagram was taken (or will never be: the receiver is gone); false when its
// queue is full.
bool sendOnce(int fd, const std::string& name) {
  for (;;) {
    if (::send(fd, name.data(), name.size(), MSG_DONTWAIT | MSG_NOSIGNAL) >= 0) return true;
    if (errno == EINTR) continue;
    return errno != EAGAIN && errno != EWOULDBLOCK;
  }
}

}  // namespace

FullQueues::~FullQueues() {
  for (const Queue& queue : full_) close(queue.fd);
}

void FullQueues::send(int fd, dev_t device, ino_t inode, const std::string& name) {
  Identity receiver{device, inode};
  if (sendOnce(fd, name)) {
    markStalled(receiver, false);
    close(fd);
  } else if (isStalled(receiver)) {
    close(fd);  // it lost this name; it has older ones to read when it runs again
  } else {
    full_.push_back({fd, device, inode});
  }
}

void FullQueues::finish(const std::string& name) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kWaitMs);
  while (!full_.empty()) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    std::vector<pollfd> watched;
    for (const Queue& queue : full_) watched.push_back({queue.fd, POLLOUT, 0});
    if (poll(watched.data(), watched.size(), static_cast<int>(left)) < 0 && errno != EINTR) break;
    for (size_t i = watched.size(); i-- > 0;) {
      if (watched[i].revents == 0 || !sendOnce(full_[i].fd, name)) continue;
      markStalled({full_[i].device, full_[i].inode}, false);
      close(full_[i].fd);
      full_.erase(full_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  for (const Queue& queue : full_) {
    markStalled({queue.device, queue.inode}, true);
    close(queue.fd);
  }
  full_.clear();
}

}  // namespace vm::notify
