#include "hosts/device_processes/device_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "hosts/device_processes/process_ids.h"
#include "linux_only/device_path.h"
#include "linux_only/lock_holder.h"

namespace vm::device {
namespace fs = std::filesystem;
namespace {

// The registration this process made: kept so that it removes only its own file.
struct OwnRegistration {
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
};
OwnRegistration gOwn;

// Never follows a link planted under the name, and never makes a file outside the folder.
int createExclusively(const fs::path& path) {
  int flags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  int fd = open(path.c_str(), flags, 0644);
  if (fd < 0 && errno == EEXIST) {
    // Left by a process with our pid that ended before it took its name; unlink removes
    // a link itself, never what it points to.
    unlink(path.c_str());
    fd = open(path.c_str(), flags, 0644);
  }
  return fd;
}

}  // namespace

std::string processFolder(const std::string& name) {
  return "/var/run/processes/" + name;
}

std::string processNameProblem(const std::string& name) {
  if (name.empty()) return "an empty process name";
  if (name == "." || name == ".." || name.find('/') != std::string::npos)
    return "\"" + name + "\" is not a process name (a name holds no '/' and is not . or ..)";
  return std::string();
}

bool registerProcess(const std::string& name, std::string* error) {
  fs::path folder = hostPath(processFolder(name));
  std::error_code ec;
  fs::create_directories(folder, ec);
  std::string pid = std::to_string(getpid());
  // Locked before it takes its name, so that no killall finds it unlocked and removes it.
  fs::path partial = folder / ("." + pid);
  fs::path final = folder / pid;
  int fd = createExclusively(partial);
  struct stat info {};
  if (fd < 0 || flock(fd, LOCK_EX) != 0 || fstat(fd, &info) != 0 ||
      rename(partial.c_str(), final.c_str()) != 0) {
    *error = "cannot register in " + folder.string() + ": " + std::strerror(errno);
    if (fd >= 0) close(fd);
    return false;
  }
  gOwn = {final.string(), info.st_dev, info.st_ino};
  // The descriptor stays open, and the lock held, until the process ends.
  return true;
}

void unregisterProcess(const std::string& name) {
  struct stat info {};
  if (gOwn.path.empty() || lstat(gOwn.path.c_str(), &info) != 0) return;
  if (info.st_dev == gOwn.device && info.st_ino == gOwn.inode) unlink(gOwn.path.c_str());
  gOwn = {};
}

std::vector<pid_t> signalProcesses(const std::string& name, int signal,
                                   std::vector<std::string>* skipped, Signaller signaller) {
  std::vector<pid_t> signalled;
  if (!processNameProblem(name).empty()) return signalled;
  auto skip = [&](const std::string& file, const std::string& why) {
    if (skipped != nullptr) skipped->push_back("skipped " + file + ": " + why);
  };
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(hostPath(processFolder(name)), ec)) {
    std::string file = entry.path().filename().string();
    if (file.empty() || file.find_first_not_of("0123456789") != std::string::npos) continue;
    // Never a link's target, never a wait on a FIFO someone named like a pid.
    int fd = open(entry.path().c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      skip(file, "not a regular file");
    } else if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlink(entry.path().c_str());  // its process has ended
    } else if (errno == EWOULDBLOCK) {
      std::string why;
      pid_t pid = registeredPid(file, name, flockHolder(fd), &why);
      if (pid == 0) {
        skip(file, why);
      } else if ((signaller != nullptr ? signaller : ::kill)(pid, signal) == 0) {
        signalled.push_back(pid);
      }
    }
    close(fd);
  }
  return signalled;
}

}  // namespace vm::device
