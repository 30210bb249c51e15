#include "hosts/start/device_root_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "hosts/start/terminal_text.h"
#include "hosts/start/utf8_text.h"
#include "linux_only/device_path.h"

namespace vm::host {
namespace {

bool unset(const char* variable) {
  const char* value = std::getenv(variable);
  return value == nullptr || value[0] == '\0';
}

// What makes the fallback root unsafe; empty when it is this user's alone.
std::string fallbackProblem(const std::string& root) {
  struct stat info {};
  if (lstat(root.c_str(), &info) != 0 && errno == ENOENT && mkdir(root.c_str(), 0700) != 0 &&
      errno != EEXIST)
    return "cannot be made";
  if (lstat(root.c_str(), &info) != 0) return "cannot be examined";
  if (S_ISLNK(info.st_mode)) return "is a symbolic link";
  if (!S_ISDIR(info.st_mode)) return "is not a folder";
  if (info.st_uid != getuid())
    return "belongs to user " + std::to_string(info.st_uid) + ", not to you";
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return "can be changed by other users";
  return std::string();
}

}  // namespace

std::string deviceRootProblem(RootName name) {
  std::string root = deviceRoot();
  if (name == RootName::kText && !isUtf8Text(root.c_str()))
    return "the device root " + terminalText(root) +
           " is not UTF-8 text, which the tools cannot name files by; set " + kDeviceRootVariable +
           " to a folder whose name is text";
  if (unset(kDeviceRootVariable) && unset("HOME")) {
    std::string problem = fallbackProblem(root);
    if (!problem.empty())
      return "the device root " + terminalText(root) + " (used when HOME is unset) " + problem +
             ", so another user could have put files there; set " + kDeviceRootVariable +
             " or HOME to a folder of your own";
  }
  return std::string();
}

bool checkDeviceRoot(const char* program, RootName name) {
  std::string problem = deviceRootProblem(name);
  if (!problem.empty()) std::fprintf(stderr, "%s: %s\n", program, problem.c_str());
  return problem.empty();
}

}  // namespace vm::host
