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
    if (std::strcmp(argv[i], "--ios") != 0) {
      argv[kept++] = argv[i];
      continue;
    }
    wanted = i + 1 < argc ? vm::releases::parseRelease(argv[++i]) : std::nullopt;
    if (!wanted) {
      std::fprintf(stderr, "SpringBoard: --ios takes 7.0, 7.1 or 8\n");
      return false;
    }
  }
  argc = kept;
  argv[argc] = nullptr;

  if (!wanted) {
    if (vm::releases::releaseVariableIsValid()) return true;
    std::fprintf(stderr, "SpringBoard: %s=%s names no release (7.0, 7.1 or 8)\n",
                 vm::releases::kReleaseVariable, std::getenv(vm::releases::kReleaseVariable));
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
