#include "prefs/run_program.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <vector>

#include "bridge/posix_platform.h"

namespace vm {

int runAndWait(const char* program, std::initializer_list<const char*> arguments) {
  // posix_spawnp takes writable strings; these copies outlive the call.
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t child = 0;
  if (posix_spawnp(&child, program, nullptr, nullptr, argv.data(), processEnvironment()) != 0) {
    return -1;
  }
  int status = 0;
  while (waitpid(child, &status, 0) == -1) {
    if (errno != EINTR) return -1;
  }
  return status;
}

}  // namespace vm
