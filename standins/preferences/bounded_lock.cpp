#include "standins/preferences/bounded_lock.h"

#include <poll.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>

#include "linux_only/lock_holder.h"

namespace vm::preferences {
namespace {

constexpr int kRetryMs = 20;

std::string holderText(int fd) {
  pid_t holder = flockHolder(fd);
  if (holder == 0) return "another process";
  std::string name = processName(holder);
  return "process " + std::to_string(holder) + (name.empty() ? "" : " (" + name + ")");
}

}  // namespace

std::string lockWithin(int fd, const std::string& lockPath) {
  for (int waited = 0;; waited += kRetryMs) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return std::string();
    if (errno != EWOULDBLOCK && errno != EINTR)
      return "cannot lock " + lockPath + ": " + std::strerror(errno);
    if (waited >= kLockWaitMs) break;
    poll(nullptr, 0, kRetryMs);
  }
  return "the settings are locked by " + holderText(fd) + " (" + lockPath + "), still after " +
         std::to_string(kLockWaitMs / 1000) +
         " seconds; nothing was changed. Try again once it has finished";
}

}  // namespace vm::preferences
