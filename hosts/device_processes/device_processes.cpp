#include "hosts/device_processes/device_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "bridge/device_path.h"

namespace vm::device {
namespace fs = std::filesystem;

std::string processFolder(const std::string& name) {
  return "/var/run/processes/" + name;
}

bool registerProcess(const std::string& name, std::string* error) {
  fs::path folder = hostPath(processFolder(name));
  std::error_code ec;
  fs::create_directories(folder, ec);
  std::string pid = std::to_string(getpid());
  // Locked before it takes its name, so that no killall finds it unlocked and removes it.
  fs::path partial = folder / ("." + pid);
  int fd = open(partial.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || flock(fd, LOCK_EX) != 0 || rename(partial.c_str(), (folder / pid).c_str()) != 0) {
    *error = "cannot register in " + folder.string() + ": " + std::strerror(errno);
    if (fd >= 0) close(fd);
    return false;
  }
  // The descriptor stays open, and the lock held, until the process ends.
  return true;
}

std::vector<pid_t> signalProcesses(const std::string& name, int signal) {
  std::vector<pid_t> signalled;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(hostPath(processFolder(name)), ec)) {
    std::string file = entry.path().filename().string();
    if (file.empty() || file.find_first_not_of("0123456789") != std::string::npos) continue;
    int fd = open(entry.path().c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) continue;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlink(entry.path().c_str());  // its process has ended
    } else if (errno == EWOULDBLOCK) {
      pid_t pid = static_cast<pid_t>(std::stol(file));
      if (kill(pid, signal) == 0) signalled.push_back(pid);
    }
    close(fd);
  }
  return signalled;
}

}  // namespace vm::device
