#include "linux_only/lock_holder.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace vm {

pid_t flockHolder(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return 0;
  // "1: FLOCK  ADVISORY  WRITE 4242 08:01:123456 0 EOF"; waiters are listed with "->".
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, file;
    long pid = 0;
    if (!(fields >> number >> kind) || kind != "FLOCK") continue;
    if (!(fields >> mode >> access >> pid >> file)) continue;
    unsigned major = 0, minor = 0;
    unsigned long long inode = 0;
    if (std::sscanf(file.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) continue;
    if (major == ::major(info.st_dev) && minor == ::minor(info.st_dev) && inode == info.st_ino)
      return static_cast<pid_t>(pid);
  }
  return 0;
}

std::string processName(pid_t pid) {
  if (pid <= 0) return std::string();
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

}  // namespace vm
