#include "hosts/springboard/release_profile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "standins/releases/ios_release.h"

namespace springboard {

using vm::releases::Release;

bool adoptReleaseOption(int& argc, char** argv) {
  std::optional<Release> wanted;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const char* value = nullptr;
    if (std::strcmp(argv[i], "--ios") == 0) {
      value = i + 1 < argc ? argv[++i] : "";
    } else if (std::strncmp(argv[i], "--ios=", 6) == 0) {
      value = argv[i] + 6;
    } else {
      argv[kept++] = argv[i];
      continue;
    }
    wanted = vm::releases::parseRelease(value);
    if (!wanted) {
      std::fprintf(stderr,
                   "SpringBoard: --ios takes a release X.Y or X.Y.Z that one of these covers: "
                   "%s (not \"%s\")\n",
                   vm::releases::releaseList(), value);
      return false;
    }
  }
  argc = kept;
  argv[argc] = nullptr;

  if (!wanted) {
    if (vm::releases::releaseVariableIsValid()) return true;
    std::fprintf(stderr, "SpringBoard: %s=%s names no release (%s)\n",
                 vm::releases::kReleaseVariable, std::getenv(vm::releases::kReleaseVariable),
                 vm::releases::releaseList());
    return false;
  }
  if (*wanted == vm::releases::currentRelease() && vm::releases::releaseVariableIsValid())
    return true;
  setenv(vm::releases::kReleaseVariable, vm::releases::optionValue(*wanted), 1);
  execv("/proc/self/exe", argv);
  std::fprintf(stderr, "SpringBoard: cannot start again as %s: %s\n",
               vm::releases::displayName(*wanted), std::strerror(errno));
  return false;
}

}  // namespace springboard
