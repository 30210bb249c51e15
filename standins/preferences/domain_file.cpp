#include "standins/preferences/domain_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "bridge/property_list.h"
#include "standins/preferences/bounded_lock.h"
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {

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

// The temporary name replaceDomainFile gives a new file: "." + the file's name + "." and
// mkostemp's six characters.
bool isTemporaryOf(const std::string& name, const std::string& fileName) {
  const std::string prefix = "." + fileName + ".";
  if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  }
  return true;
}

// A writer killed between creating its temporary file and renaming it leaves the file
// behind. Only a holder of the domain's lock writes one, so while we hold the lock every
// such file is stale.
void removeStaleTemporaries(const std::filesystem::path& target) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), ec)) {
    std::error_code ignored;
    if (isTemporaryOf(entry.path().filename().string(), target.filename().string()) &&
        entry.is_regular_file(ignored) && !entry.is_symlink(ignored))
      std::filesystem::remove(entry.path(), ignored);
  }
}

// Whether `value` is or holds a NaN: it equals nothing, not even itself, so no list holding
// one reads back the same (and GNUstep's binary writer asks for gigabytes on one).
bool holdsNaN(id value) {
  if (isKindOf(value, vm::cls::NSNumber)) return std::isnan(send<double>(value, sel::doubleValue));
  bool dictionary = isKindOf(value, vm::cls::NSDictionary);
  if (!dictionary && !isKindOf(value, vm::cls::NSArray)) return false;
  id items = dictionary ? send<id>(value, sel::allKeys) : value;
  NSUInteger count = send<NSUInteger>(items, sel::count);
  for (NSUInteger i = 0; i < count; ++i) {
    id item = send<id>(items, sel::objectAtIndex_, i);
    if (holdsNaN(dictionary ? send<id>(value, sel::objectForKey_, item) : item)) return true;
  }
  return false;
}

// The first key whose value holds a NaN, named so that the refusal says which to mend; empty
// when there is none.
std::string keyHoldingNaN(id dictionary) {
  id keys = send<id>(dictionary, sel::allKeys);
  NSUInteger count = send<NSUInteger>(keys, sel::count);
  for (NSUInteger i = 0; i < count; ++i) {
    id key = send<id>(keys, sel::objectAtIndex_, i);
    if (holdsNaN(send<id>(dictionary, sel::objectForKey_, key))) return stdString(key);
  }
  return std::string();
}

}  // namespace

std::string folderProblem(const std::string& filePath) {
  std::filesystem::path folder = std::filesystem::path(filePath).parent_path();
  for (std::filesystem::path at = folder; !at.empty() && at != at.root_path();
       at = at.parent_path()) {
    std::error_code ec;
    std::filesystem::file_status status = std::filesystem::status(at, ec);
    if (ec || status.type() == std::filesystem::file_type::not_found) continue;
    if (status.type() == std::filesystem::file_type::directory) return std::string();
    return "the settings folder " + folder.string() + " cannot be made: " + at.string() +
           " is a file, not a folder. Move that file away, then try again";
  }
  return std::string();
}

DomainLock::DomainLock(const std::string& filePath) {
  error_ = folderProblem(filePath);
  if (!error_.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(filePath).parent_path(), ignored);
  std::string lockPath = filePath + ".lock";
  // Never through a link planted under the lock's name: that would create or lock a file
  // outside the folder. Non-blocking, so that a FIFO under the name cannot stop us.
  fd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  struct stat info {};
  if (fd_ >= 0 && (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
    close(fd_);
    fd_ = -1;
    errno = EINVAL;
  }
  if (fd_ < 0) {
    error_ = errno == ELOOP || errno == EINVAL
                 ? "cannot open " + lockPath +
                       ": it is not a regular file (a link or another kind of file is in its "
                       "place); nothing was changed"
                 : systemError("cannot open " + lockPath);
    return;
  }
  std::string problem = lockWithin(fd_, lockPath);
  if (!problem.empty()) {
    error_ = problem;
    close(fd_);
    fd_ = -1;
  }
}

DomainLock::~DomainLock() {
  // Closing the descriptor drops the lock.
  if (fd_ >= 0) close(fd_);
}

id copyDomainDictionary(const std::string& filePath, DomainFileState* state) {
  struct stat info {};
  if (!folderProblem(filePath).empty()) {
    *state = DomainFileState::kNoFolder;
    return nil;
  }
  if (lstat(filePath.c_str(), &info) != 0 && errno == ENOENT) {
    *state = DomainFileState::kMissing;
    return send<id>(vm::cls::NSMutableDictionary.get(), sel::new_);
  }
  id dictionary = copyDictionaryAtPath(nsString(filePath));
  *state = dictionary != nil ? DomainFileState::kDictionary : DomainFileState::kUnreadable;
  return dictionary;
}

bool replaceDomainFile(const std::string& filePath, id dictionary, std::string* error) {
  // Binary, as the device writes its settings: GNUstep's XML writer loses characters
  // beyond the Basic Multilingual Plane.
  std::string encoded;
  std::string nanKey = keyHoldingNaN(dictionary);
  if (!nanKey.empty()) {
    *error = "the value under \"" + nanKey +
             "\" is not a number (NaN), which cannot be written as a property list that reads "
             "back the same; nothing was changed";
    return false;
  }
  if (!encodeBinaryPropertyList(dictionary, &encoded)) {
    *error = "the values cannot be written as a property list that reads back the same";
    return false;
  }
  std::filesystem::path target(filePath);
  removeStaleTemporaries(target);
  // Beside the file, so that the rename stays within one file system.
  std::string temporary =
      (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    *error = systemError("cannot create a file in " + target.parent_path().string());
    return false;
  }
  bool written =
      writeAll(fd, encoded.data(), encoded.size()) && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
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
