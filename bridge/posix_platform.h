// The POSIX facilities the two platforms spell differently, each behind one function.
#pragma once

#include <sys/stat.h>

#if defined(__APPLE__)
#include <crt_externs.h>
#else
#include <unistd.h>
#endif

namespace vm {

// A file's modification and status-change times to the nanosecond.
inline timespec modifiedTime(const struct stat& info) {
#if defined(__APPLE__)
  return info.st_mtimespec;
#else
  return info.st_mtim;
#endif
}
inline timespec changedTime(const struct stat& info) {
#if defined(__APPLE__)
  return info.st_ctimespec;
#else
  return info.st_ctim;
#endif
}

// This process's environment. A loaded library cannot reach `environ` on the device (only
// the main executable defines it); the runtime hands it out instead.
inline char** processEnvironment() {
#if defined(__APPLE__)
  return *_NSGetEnviron();
#else
  return environ;
#endif
}

}  // namespace vm
