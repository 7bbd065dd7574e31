// The scanner alone over a large source, read as the compiler reads it:
// every token until the end of input.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/platform.h"
#include "scanner/scanner.h"

namespace {

const char* sourcePath()
{
    const char* path = std::getenv("KAVEL_BENCH_SOURCE");
    return path ? path : "build-bench/inputs/big.fms";
}

void scanWholeFile(benchmark::State& state)
{
    platform::FileContents contents;
    if (platform::readFile(sourcePath(), contents) != platform::ReadOutcome::Read) {
        state.SkipWithError("no source: set KAVEL_BENCH_SOURCE or run bench/run");
        return;
    }
    const SourceBuffer source(sourcePath(), std::string_view(contents.data, contents.size), contents.keep);
    struct : DiagnosticConsumer {
        void consume(const Diagnostic&, const SourceBuffer*) override {}
    } none;
    DiagnosticEngine engine(none, &source);
    long tokens = 0;
    for (auto _ : state) {
        Scanner s(source, engine);
        while (s.next().kind != Lexeme::End)
            ++tokens;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(source.size()));
    state.counters["tokens"] = benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kAvgIterations);
}
BENCHMARK(scanWholeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
