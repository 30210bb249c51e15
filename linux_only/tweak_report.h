// What a loaded tweak library reports about itself through its plain-C report
// (tweak/hook_report.h): its hook rows and its feature flags. The device never asks; the
// hosts and tests on Linux do, each the same way.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tweak/hook_report.h"

namespace vm {

// Everything a report function `copy` (asked first for its count, then for its entries)
// holds at this moment.
template <typename Info>
std::vector<Info> copyReport(std::size_t (*copy)(Info*, std::size_t)) {
  std::vector<Info> entries(copy(nullptr, 0));
  copy(entries.data(), entries.size());
  return entries;
}

// The hook rows, or the feature flags, of the library loaded as `handle`; none when the
// library exports no such report.
std::optional<std::vector<VelmotintHookInfo>> loadedHookRows(void* handle);
std::optional<std::vector<VelmotintFlagInfo>> loadedFlags(void* handle);

}  // namespace vm
