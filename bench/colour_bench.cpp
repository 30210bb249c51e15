// How long the colour functions take, as a replacement calling them on every layout pays.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/pools.h"
#include "bench/settings_fixture.h"
#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/colour_string.h"
#include "colour/hex.h"

namespace {

using vm::bench::runInPools;

void BM_convertFromHex(benchmark::State& state, const char* text) {
  const std::string hexText = text;
  for (auto _ : state) benchmark::DoNotOptimize(convertFromHex(hexText));
}
BENCHMARK_CAPTURE(BM_convertFromHex, pair, "a1");
BENCHMARK_CAPTURE(BM_convertFromHex, six_digits, "a1b2c3");

void BM_colorFromHex(benchmark::State& state, const char* text) {
  vm::AutoreleasePool outer;
  id hex = vm::retain(vm::nsString(text));
  runInPools(state, [&] { benchmark::DoNotOptimize(colorFromHex(hex)); });
  vm::release(hex);
}
BENCHMARK_CAPTURE(BM_colorFromHex, six_digits, "#a1b2c3");
BENCHMARK_CAPTURE(BM_colorFromHex, three_digits, "#abc");
BENCHMARK_CAPTURE(BM_colorFromHex, random, "");

void BM_colorFromDefaultsWithKey(benchmark::State& state, const char* domainName,
                                 const char* keyName) {
  vm::AutoreleasePool outer;
  id domain = vm::retain(vm::nsString(domainName));
  id key = vm::retain(vm::nsString(keyName));
  id fallback = vm::retain(vm::nsString("#a1a1a1:1.0"));
  if (colorFromDefaultsWithKey(domain, key, fallback) == nil) state.SkipWithError("no UIColor");
  runInPools(state,
             [&] { benchmark::DoNotOptimize(colorFromDefaultsWithKey(domain, key, fallback)); });
  vm::release(domain);
  vm::release(key);
  vm::release(fallback);
}
BENCHMARK_CAPTURE(BM_colorFromDefaultsWithKey, xml_stored, vm::bench::kXmlDomain, "vmColor1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_colorFromDefaultsWithKey, binary_stored, vm::bench::kBinaryDomain, "vmColor1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_colorFromDefaultsWithKey, xml_missing_key, vm::bench::kXmlDomain, "vmColor9")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_colorFromDefaultsWithKey, no_file, vm::bench::kMissingDomain, "vmColor1")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  vm::AutoreleasePool pool;
  const std::string root = vm::bench::prepareSettingsRoot();
  if (root.empty()) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return 0;
}
