// Objects made in a benchmark loop pile up in the autorelease pool; a host drains its pool
// per event, the benchmarks per batch of iterations.
#pragma once

#include <benchmark/benchmark.h>

#include "bridge/foundation.h"

namespace vm::bench {

inline constexpr int kPoolBatch = 256;

// Runs `body` once per iteration of `state`, draining the pool every kPoolBatch runs.
template <typename Body>
void runInPools(benchmark::State& state, Body body) {
  auto* pool = new AutoreleasePool;
  int made = 0;
  for (auto _ : state) {
    body();
    if (++made == kPoolBatch) {
      delete pool;
      pool = new AutoreleasePool;
      made = 0;
    }
  }
  delete pool;
}

}  // namespace vm::bench
