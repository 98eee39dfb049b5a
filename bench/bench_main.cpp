// The benchmarks' main: the engine measured as the programs run it, with freed memory kept for
// the next hoard.
#include <benchmark/benchmark.h>

#include "core/memory_reuse.h"

int main(int argc, char** argv) {
  vorneth::KeepFreedMemoryForReuse();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
