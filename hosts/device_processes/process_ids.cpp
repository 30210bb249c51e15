#include "hosts/device_processes/process_ids.h"

#include <fstream>

#include "linux_only/lock_holder.h"

namespace vm::device {

pid_t largestPid() {
  // Linux's own limit when the file cannot be read: 2^22.
  long largest = 4194304;
  std::ifstream file("/proc/sys/kernel/pid_max");
  long read = 0;
  if (file >> read && read > 0) largest = read;
  return static_cast<pid_t>(largest);
}

pid_t pidFromText(const std::string& text, std::string* why) {
  const pid_t largest = largestPid();
  const std::string range = "not a process id (1 to " + std::to_string(largest) + ")";
  // Digits only, at most as many as the largest pid has: no conversion can overflow.
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
      text.size() > std::to_string(largest).size()) {
    *why = range;
    return 0;
  }
  long value = std::stol(text);
  if (value < 1 || value > largest) {
    *why = range;
    return 0;
  }
  return static_cast<pid_t>(value);
}

pid_t registeredPid(const std::string& file, const std::string& name, pid_t holder,
                    std::string* why) {
  pid_t pid = pidFromText(file, why);
  if (pid == 0) return 0;
  if (holder != pid) {
    *why = holder == 0 ? "its lock is held by no process the system lists"
                       : "its lock is held by process " + std::to_string(holder) + ", not " + file;
    return 0;
  }
  // The kernel keeps the first 15 bytes of a process's name.
  std::string running = processName(pid);
  if (running != name.substr(0, 15)) {
    *why = "process " + file + " is " + (running.empty() ? "gone" : "called " + running) +
           ", not " + name;
    return 0;
  }
  return pid;
}

}  // namespace vm::device
