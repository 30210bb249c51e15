// Reading a whole regular file, and telling whether a file is still the one read.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <string>

namespace vm {

// What tells one version of a file from another without reading it. A rewrite in place
// keeps device and inode but moves the times; an atomic replace changes the inode.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  static FileIdentity of(const struct stat& info);
  bool operator==(const FileIdentity& other) const;
  bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

// The identity of the regular file at `path` (one stat); false when there is none.
bool identityOfRegularFile(const std::string& path, FileIdentity* identity);

// Reads the regular file at `path` whole into `bytes`, with the identity of what was
// read. False when it is missing, not a regular file, unreadable, or longer than `limit`.
// Never blocks on a pipe or device put in the file's place.
bool readRegularFile(const std::string& path, size_t limit, std::string* bytes,
                     FileIdentity* identity);

// For a regular file at `path` longer than `limit`: "N bytes, over the bound of L bytes",
// what a reader that refused it says; empty for any other file.
std::string oversizeText(const std::string& path, size_t limit);

}  // namespace vm
