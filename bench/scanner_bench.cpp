// The scanner alone over a large source, read through the file as the
// compiler reads it: every token until the end of input.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sys/stat.h>

#include "driver/driver.h"
#include "scanner/scanner.h"

namespace {

const char* sourcePath()
{
    const char* path = std::getenv("KAVEL_BENCH_SOURCE");
    return path ? path : "build-bench/inputs/big.fms";
}

void scanWholeFile(benchmark::State& state)
{
    struct stat st;
    if (stat(sourcePath(), &st) != 0) {
        state.SkipWithError("no source: set KAVEL_BENCH_SOURCE or run bench/run");
        return;
    }
    long tokens = 0;
    for (auto _ : state) {
        resetCompiler();
        Scanner s;
        s.source.openFile(sourcePath());
        s.start();
        int attribute;
        while (s.nextToken(attribute) != TokEndOfInput) ++tokens;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * st.st_size);
    state.counters["tokens"] = benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kAvgIterations);
}
BENCHMARK(scanWholeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
