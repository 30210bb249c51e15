#include "linux_only/tweak_report.h"

#include <dlfcn.h>

namespace vm {
namespace {

// The report function `name` of the library loaded as `handle`, copied out; none without it.
template <typename Info>
std::optional<std::vector<Info>> loadedReport(void* handle, const char* name) {
  using Copy = std::size_t (*)(Info*, std::size_t);
  auto copy = reinterpret_cast<Copy>(dlsym(handle, name));
  if (copy == nullptr) return std::nullopt;
  return copyReport(copy);
}

}  // namespace

std::optional<std::vector<VelmotintHookInfo>> loadedHookRows(void* handle) {
  return loadedReport<VelmotintHookInfo>(handle, "VelmotintCopyHookInfo");
}

std::optional<std::vector<VelmotintFlagInfo>> loadedFlags(void* handle) {
  return loadedReport<VelmotintFlagInfo>(handle, "VelmotintCopyFlagInfo");
}

}  // namespace vm
