// What the settings snapshot saves, as ratios measured in one run: a colour lookup against
// reading the file bare through Foundation, with the file unchanged and right after a
// change; and a replaced method with its flag off against the platform's own method.
// `settings_bench --callgrind-calls=replaced|platform|lookup N` makes N calls of one of the
// two methods, or N unchanged lookups, for scripts/bench.sh to count instructions under
// callgrind.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "bench/pools.h"
#include "bench/settings_fixture.h"
#include "bridge/foundation.h"
#include "colour/colour.h"
#include "settings_store/settings_domain.h"
#include "standins/springboard/springboard.h"
#include "tweak/installer.h"

namespace {

using vm::bench::kPoolBatch;
using vm::bench::runInPools;

std::string settingsFile(const char* domain) {
  return vm::SettingsDomain::named(domain).hostPath();
}

// --- Colour lookups

// The bare read: the file's bytes, parsed with immutable containers, one key looked up.
void BM_BareRead(benchmark::State& state, const char* domain) {
  vm::AutoreleasePool outer;
  id path = vm::retain(vm::nsString(settingsFile(domain)));
  id key = vm::retain(vm::nsString("vmColor1"));
  runInPools(state, [&] {
    id data = vm::send<id>(vm::cls::NSData.get(), vm::sel::dataWithContentsOfFile_, path);
    id plist = vm::send<id>(vm::cls::NSPropertyListSerialization.get(),
                            vm::sel::propertyListWithData_options_format_error_, data, 0UL,
                            static_cast<void*>(nullptr), static_cast<id*>(nullptr));
    benchmark::DoNotOptimize(vm::send<id>(plist, vm::sel::objectForKey_, key));
  });
  vm::release(path);
  vm::release(key);
}

struct Lookup {
  id domain, key, fallback;
  explicit Lookup(const char* domainName)
      : domain(vm::retain(vm::nsString(domainName))),
        key(vm::retain(vm::nsString("vmColor1"))),
        fallback(vm::retain(vm::nsString("#a1a1a1:1.0"))) {}
  ~Lookup() {
    vm::release(domain);
    vm::release(key);
    vm::release(fallback);
  }
  id operator()() const { return colorFromDefaultsWithKey(domain, key, fallback); }
};

// One set of strings per domain for the whole run, as the tweak passes the same strings on
// every call.
const Lookup& lookupOf(const char* domain) {
  static auto* made = new std::map<std::string, Lookup>();  // kept: no release at exit
  return made->try_emplace(domain, domain).first->second;
}

// The one stat every lookup makes, alone: the floor under an unchanged lookup.
void BM_FileStat(benchmark::State& state, const char* domain) {
  const std::string file = settingsFile(domain);
  struct stat info {};
  for (auto _ : state) benchmark::DoNotOptimize(stat(file.c_str(), &info));
}

void BM_LookupUnchanged(benchmark::State& state, const char* domain) {
  vm::AutoreleasePool outer;
  const Lookup& lookup = lookupOf(domain);
  if (lookup() == nil) state.SkipWithError("no UIColor");
  runInPools(state, [&] { benchmark::DoNotOptimize(lookup()); });
}

// Each lookup follows a change of the file's times, so each one reads and parses it.
void BM_LookupAfterChange(benchmark::State& state, const char* domain) {
  vm::AutoreleasePool outer;
  const Lookup& lookup = lookupOf(domain);
  const std::string file = settingsFile(domain);
  auto* pool = new vm::AutoreleasePool;
  int made = 0;
  for (auto _ : state) {
    state.PauseTiming();
    utimensat(AT_FDCWD, file.c_str(), nullptr, 0);
    if (++made == kPoolBatch) {
      delete pool;
      pool = new vm::AutoreleasePool;
      made = 0;
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(lookup());
  }
  delete pool;
}

BENCHMARK_CAPTURE(BM_BareRead, binary, vm::bench::kBinaryDomain)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FileStat, binary, vm::bench::kBinaryDomain)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookupUnchanged, binary, vm::bench::kBinaryDomain)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookupAfterChange, binary, vm::bench::kBinaryDomain)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BareRead, xml, vm::bench::kXmlDomain)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FileStat, xml, vm::bench::kXmlDomain)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookupUnchanged, xml, vm::bench::kXmlDomain)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookupAfterChange, xml, vm::bench::kXmlDomain)->Unit(benchmark::kMicrosecond);

// --- A replaced method with its flag off, against the platform's own

// The platform's own setColor: of UILabel, kept under a second name before the tweak
// replaces it, so that both are reached by the same kind of message to the same label.
const vm::SelRef platformSetColor_{"vmPlatform_setColor:"};

struct HookedLabel {
  id label = nil;
  id colour = nil;
};

HookedLabel& hookedLabel() {
  static HookedLabel made = [] {
    VMRegisterSpringBoardClasses();
    Class labelClass = objc_getClass("UILabel");
    Method own = class_getInstanceMethod(labelClass, vm::sel::setColor_);
    class_addMethod(labelClass, platformSetColor_, method_getImplementation(own),
                    method_getTypeEncoding(own));
    installHooks();  // every flag is off: nothing loaded them
    HookedLabel hooked;
    hooked.label = vm::send<id>(vm::send<id>(vm::asId(labelClass), vm::sel::alloc), vm::sel::init);
    hooked.colour = vm::retain(vm::send<id>(vm::cls::UIColor.get(), vm::sel::redColor));
    return hooked;
  }();
  return made;
}

void BM_SetColor(benchmark::State& state, bool replaced) {
  HookedLabel& hooked = hookedLabel();
  SEL selector = replaced ? vm::sel::setColor_.get() : platformSetColor_.get();
  for (auto _ : state) vm::send<void>(hooked.label, selector, hooked.colour);
}
BENCHMARK_CAPTURE(BM_SetColor, platform, false);
BENCHMARK_CAPTURE(BM_SetColor, replaced_flag_off, true);

// --- Ratios of the run above

// Ratios of CPU times: other work on a shared machine stretches wall-clock times unevenly.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        seconds_[run.benchmark_name()] =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void printRatios() const {
    std::printf("\nratios of CPU time (this run)\n");
    for (const char* format : {"binary", "xml"}) {
      std::string f = format;
      ratio("bare read / unchanged lookup, " + f, "BM_BareRead/" + f, "BM_LookupUnchanged/" + f);
      ratio("bare read / its stat alone, " + f, "BM_BareRead/" + f, "BM_FileStat/" + f);
      ratio("lookup after a change / bare read, " + f, "BM_LookupAfterChange/" + f,
            "BM_BareRead/" + f);
    }
    ratio("replaced setColor: with its flag off / platform's", "BM_SetColor/replaced_flag_off",
          "BM_SetColor/platform");
  }

 private:
  void ratio(const std::string& what, const std::string& over, const std::string& under) const {
    auto a = seconds_.find(over), b = seconds_.find(under);
    if (a == seconds_.end() || b == seconds_.end() || b->second <= 0) return;
    std::printf("  %-52s %8.2f x   (%.3f us / %.3f us)\n", what.c_str(), a->second / b->second,
                a->second * 1e6, b->second * 1e6);
  }
  std::map<std::string, double> seconds_;
};

// Calls one of the two setColor: methods `calls` times; named for callgrind's
// --toggle-collect, and kept out of line so that only these calls are counted.
extern "C" __attribute__((noinline)) void vmCallgrindSetColor(SEL selector, long calls) {
  HookedLabel& hooked = hookedLabel();
  for (long i = 0; i < calls; ++i) vm::send<void>(hooked.label, selector, hooked.colour);
}

// `calls` lookups with the XML file unchanged, the colours freed in pools as the benchmark
// frees them; counted the same way.
extern "C" __attribute__((noinline)) void vmCallgrindLookups(long calls) {
  const Lookup& lookup = lookupOf(vm::bench::kXmlDomain);
  for (long i = 0; i < calls; i += kPoolBatch) {
    vm::AutoreleasePool batch;
    for (long j = i; j < calls && j < i + kPoolBatch; ++j) benchmark::DoNotOptimize(lookup());
  }
}

// Runs what --callgrind-calls=WHAT asks for; false for an unknown WHAT.
bool runForCallgrind(const char* what, long calls) {
  if (std::strcmp(what, "lookup") == 0) {
    const std::string root = vm::bench::prepareSettingsRoot();
    if (root.empty()) return false;
    lookupOf(vm::bench::kXmlDomain)();  // the file's first read, left out of the count
    vmCallgrindLookups(calls);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return true;
  }
  const bool replaced = std::strcmp(what, "replaced") == 0;
  if (!replaced && std::strcmp(what, "platform") != 0) return false;
  hookedLabel();
  vmCallgrindSetColor(replaced ? vm::sel::setColor_.get() : platformSetColor_.get(), calls);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  vm::AutoreleasePool pool;
  if (argc == 3 && std::strncmp(argv[1], "--callgrind-calls=", 18) == 0)
    return runForCallgrind(argv[1] + 18, std::atol(argv[2])) ? 0 : 2;
  const std::string root = vm::bench::prepareSettingsRoot();
  if (root.empty()) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return 0;
}
