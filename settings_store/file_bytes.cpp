#include "settings_store/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "bridge/posix_platform.h"

namespace vm {
namespace {

bool sameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

FileIdentity FileIdentity::of(const struct stat& info) {
  FileIdentity identity;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  identity.size = info.st_size;
  identity.modified = modifiedTime(info);
  identity.changed = changedTime(info);
  return identity;
}

bool FileIdentity::operator==(const FileIdentity& other) const {
  return device == other.device && inode == other.inode && size == other.size &&
         sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

bool identityOfRegularFile(const std::string& path, FileIdentity* identity) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  *identity = FileIdentity::of(info);
  return true;
}

bool readRegularFile(const std::string& path, size_t limit, std::string* bytes,
                     FileIdentity* identity) {
  // Non-blocking: something else may have taken the file's place since the caller looked.
  Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return false;
  struct stat info {};
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > limit) return false;
  *identity = FileIdentity::of(info);
  // Read until the end, whatever the size said: the file may be growing.
  bytes->assign(static_cast<size_t>(info.st_size) + 1, '\0');
  size_t got = 0;
  for (;;) {
    if (got == bytes->size()) {
      if (bytes->size() > limit) return false;
      bytes->resize(bytes->size() * 2 > limit + 1 ? limit + 1 : bytes->size() * 2);
    }
    ssize_t n = read(file.get(), &(*bytes)[got], bytes->size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  bytes->resize(got);
  return got <= limit;
}

std::string oversizeText(const std::string& path, size_t limit) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) <= limit)
    return std::string();
  return std::to_string(info.st_size) + " bytes, over the bound of " + std::to_string(limit) +
         " bytes";
}

}  // namespace vm
