#include "standins/preferences/domain_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {

constexpr unsigned long kXMLFormat = 100;  // NSPropertyListXMLFormat_v1_0

std::string systemError(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

bool writeAll(int fd, const char* bytes, size_t length) {
  while (length > 0) {
    ssize_t written = write(fd, bytes, length);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    length -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

DomainLock::DomainLock(const std::string& filePath) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(filePath).parent_path(), ignored);
  std::string lockPath = filePath + ".lock";
  fd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    error_ = systemError("cannot open " + lockPath);
    return;
  }
  while (flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    error_ = systemError("cannot lock " + lockPath);
    close(fd_);
    fd_ = -1;
    return;
  }
}

DomainLock::~DomainLock() {
  // Closing the descriptor drops the lock.
  if (fd_ >= 0) close(fd_);
}

id copyDomainDictionary(const std::string& filePath, DomainFileState* state) {
  struct stat info {};
  if (lstat(filePath.c_str(), &info) != 0 && errno == ENOENT) {
    *state = DomainFileState::kMissing;
    return send<id>(vm::cls::NSMutableDictionary.get(), sel::new_);
  }
  id dictionary = copyDictionaryAtPath(nsString(filePath));
  *state = dictionary != nil ? DomainFileState::kDictionary : DomainFileState::kUnreadable;
  return dictionary;
}

bool replaceDomainFile(const std::string& filePath, id dictionary, std::string* error) {
  AutoreleasePool pool;
  id data = send<id>(vm::cls::NSPropertyListSerialization.get(),
                     sel::dataWithPropertyList_format_options_error_, dictionary, kXMLFormat, 0UL,
                     static_cast<id*>(nullptr));
  if (data == nil) {
    *error = "the values cannot be written as a property list";
    return false;
  }
  std::filesystem::path target(filePath);
  // Beside the file, so that the rename stays within one file system.
  std::string temporary =
      (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    *error = systemError("cannot create a file in " + target.parent_path().string());
    return false;
  }
  const char* bytes = send<const char*>(data, sel::bytes);
  size_t length = send<NSUInteger>(data, sel::length);
  bool written = writeAll(fd, bytes, length) && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
  if (!written) *error = systemError("cannot write " + temporary);
  if (close(fd) != 0 && written) {
    written = false;
    *error = systemError("cannot write " + temporary);
  }
  if (written && rename(temporary.c_str(), filePath.c_str()) != 0) {
    written = false;
    *error = systemError("cannot replace " + filePath);
  }
  if (!written) unlink(temporary.c_str());
  return written;
}

}  // namespace vm::preferences
