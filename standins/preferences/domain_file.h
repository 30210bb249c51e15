// A settings domain's property-list file: reading it, and replacing it whole so that a
// reader sees either the old file or the new one, never a part.
#pragma once

#include <objc/runtime.h>

#include <string>

#include "standins/preferences/preferences.h"

namespace vm::preferences {

// Holds an exclusive lock on the domain (flock on "<file>.lock") for its lifetime, so
// that read-change-replace sequences of several processes do not overlap.
class DomainLock {
 public:
  explicit DomainLock(const std::string& filePath);
  ~DomainLock();
  DomainLock(const DomainLock&) = delete;
  DomainLock& operator=(const DomainLock&) = delete;
  bool held() const { return fd_ >= 0; }
  const std::string& error() const { return error_; }

 private:
  int fd_ = -1;
  std::string error_;
};

// Why the folder of `filePath` cannot hold it (a file sits where a folder of its path
// should be), for people; empty when it can.
std::string folderProblem(const std::string& filePath);

// The file's dictionary as a new mutable dictionary (+1): an empty one when there is no
// file, nil when something that is not a dictionary's property list is in its place or
// its folder cannot exist.
id copyDomainDictionary(const std::string& filePath, DomainFileState* state);

// Writes `dictionary` as a binary property list to a new file beside `filePath` and
// renames it over `filePath`, after removing temporary files that killed writers left.
// Call it holding the domain's lock. False with `error` set when that cannot be done
// (also when the list would not read back exactly); the old file is then untouched.
bool replaceDomainFile(const std::string& filePath, id dictionary, std::string* error);

}  // namespace vm::preferences
