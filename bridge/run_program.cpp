#include "run_program.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <vector>

#if defined(__APPLE__)
#include <crt_externs.h>
#else
#include <unistd.h>
#endif

namespace vm {
namespace {

// A loaded library cannot reach `environ` on the device (only the main executable
// defines it); the runtime hands it out instead.
char** environment() {
#if defined(__APPLE__)
  return *_NSGetEnviron();
#else
  return environ;
#endif
}

}  // namespace

int runAndWait(const char* program, std::initializer_list<const char*> arguments) {
  // posix_spawnp takes writable strings; these copies outlive the call.
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t child = 0;
  if (posix_spawnp(&child, program, nullptr, nullptr, argv.data(), environment()) != 0) {
    return -1;
  }
  int status = 0;
  while (waitpid(child, &status, 0) == -1) {
    if (errno != EINTR) return -1;
  }
  return status;
}

}  // namespace vm
