#include "standins/corefoundation/rendezvous.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "linux_only/device_path.h"
#include "standins/corefoundation/full_queues.h"

namespace vm::notify {
namespace {

// Closes a descriptor when it goes out of scope.
class OwnedFd {
 public:
  explicit OwnedFd(int fd) : fd_(fd) {}
  ~OwnedFd() {
    if (fd_ >= 0) close(fd_);
  }
  OwnedFd(const OwnedFd&) = delete;
  OwnedFd& operator=(const OwnedFd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// A socket address for `entry` inside the folder. A device root can be deeper than the
// 108 bytes a socket path may have; then the folder is reached through its open
// descriptor under /proc, which keeps the address short.
bool socketAddress(const std::string& folder, int folderFd, const std::string& entry,
                   sockaddr_un* address) {
  std::memset(address, 0, sizeof(*address));
  address->sun_family = AF_UNIX;
  std::string path = folder + "/" + entry;
  if (path.size() >= sizeof(address->sun_path)) {
    path = "/proc/self/fd/" + std::to_string(folderFd) + "/" + entry;
    if (path.size() >= sizeof(address->sun_path)) return false;
  }
  std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
  return true;
}

bool isProcessId(const char* entry) {
  if (*entry == '\0') return false;
  for (const char* c = entry; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
  }
  return true;
}

bool isSocket(int folderFd, const char* entry) {
  struct stat info {};
  return fstatat(folderFd, entry, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISSOCK(info.st_mode);
}

// Only sockets: a regular file or a FIFO that happens to carry a number is none of ours.
std::vector<std::string> socketEntries(int folderFd) {
  std::vector<std::string> entries;
  int listing = openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return entries;
  DIR* dir = fdopendir(listing);
  if (dir == nullptr) {
    close(listing);
    return entries;
  }
  while (dirent* entry = readdir(dir)) {
    if (!isProcessId(entry->d_name)) continue;
    bool socketFile = entry->d_type == DT_SOCK ||
                      (entry->d_type == DT_UNKNOWN && isSocket(listing, entry->d_name));
    if (socketFile) entries.emplace_back(entry->d_name);
  }
  closedir(dir);
  return entries;
}

void sendTo(const std::string& folder, int folderFd, const std::string& entry,
            const std::string& name, FullQueues* queues) {
  sockaddr_un address;
  if (!socketAddress(folder, folderFd, entry, &address)) return;
  OwnedFd fd(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  if (fd.get() < 0) return;
  if (connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    // A socket file that nothing is bound to any more: its process died without cleaning
    // up. Checked again just before, as the entry may have been replaced since the listing.
    if (errno == ECONNREFUSED && isSocket(folderFd, entry.c_str()))
      unlinkat(folderFd, entry.c_str(), 0);
    return;
  }
  struct stat receiver {};
  fstatat(folderFd, entry.c_str(), &receiver, AT_SYMLINK_NOFOLLOW);
  queues->send(fd.release(), receiver.st_dev, receiver.st_ino, name);
}

}  // namespace

std::string rendezvousFolder() {
  return rendezvousFolder(deviceRoot());
}

std::string rendezvousFolder(const std::string& deviceRoot) {
  return deviceRoot + "/var/run/notifications";
}

bool Listener::stillInPlace() const {
  struct stat info {};
  return valid() && lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) &&
         info.st_dev == device && info.st_ino == inode;
}

Listener bindListener(const std::string& deviceRoot) {
  Listener listener;
  std::string folder = rendezvousFolder(deviceRoot);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  OwnedFd folderFd(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folderFd.get() < 0) return listener;

  std::string entry = std::to_string(getpid());
  sockaddr_un address;
  if (!socketAddress(folder, folderFd.get(), entry, &address)) return listener;
  OwnedFd fd(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (fd.get() < 0) return listener;
  // A socket of this name can only be left by an earlier process that had our id. Any
  // other file stays, and this process cannot listen until it is gone.
  if (isSocket(folderFd.get(), entry.c_str())) unlinkat(folderFd.get(), entry.c_str(), 0);
  if (bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    return listener;
  }
  struct stat bound {};
  if (fstatat(folderFd.get(), entry.c_str(), &bound, AT_SYMLINK_NOFOLLOW) != 0) {
    unlinkat(folderFd.get(), entry.c_str(), 0);
    return listener;
  }
  listener.path = folder + "/" + entry;
  listener.device = bound.st_dev;
  listener.inode = bound.st_ino;
  listener.fd = fd.release();
  return listener;
}

void closeListener(Listener& listener) {
  if (!listener.valid()) return;
  unlink(listener.path.c_str());
  close(listener.fd);
  listener = Listener();
}

void postToEveryListener(const std::string& name) {
  std::string folder = rendezvousFolder();
  OwnedFd folderFd(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folderFd.get() < 0) return;  // nobody has ever observed under this root
  FullQueues queues;
  for (const std::string& entry : socketEntries(folderFd.get())) {
    sendTo(folder, folderFd.get(), entry, name, &queues);
  }
  queues.finish(name);
}

std::vector<std::string> receivePendingNames(int fd) {
  std::vector<std::string> names;
  std::string buffer;
  for (;;) {
    // MSG_TRUNC with a peek reports the whole datagram's length, so no name is cut short.
    ssize_t length = recv(fd, nullptr, 0, MSG_PEEK | MSG_TRUNC | MSG_DONTWAIT);
    if (length < 0) {
      if (errno == EINTR) continue;
      break;
    }
    buffer.resize(static_cast<size_t>(length));
    ssize_t got = recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (got < 0) break;
    buffer.resize(static_cast<size_t>(got));
    if (std::find(names.begin(), names.end(), buffer) == names.end()) names.push_back(buffer);
  }
  return names;
}

}  // namespace vm::notify
