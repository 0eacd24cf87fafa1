// The problems panel on a large file: finding every record's problems against opening the
// file, measured side by side.
#include "bench_files.h"

#include "cfg_doc.h"
#include "record_problems.h"
#include "tela_environment.h"

#include <benchmark/benchmark.h>

namespace {

void sizes(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 10000, 100000})
        b->Arg(n);
    b->Unit(benchmark::kMicrosecond);
}

void loadTexts() {
    TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n", "bench");
}

void BM_Document_Open(benchmark::State& state) {
    loadTexts();
    CCfgDoc doc;
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        if (!doc.OnOpenDocument(path))
            state.SkipWithError("open failed");
}
BENCHMARK(BM_Document_Open)->Name("BM_Document/open")->Apply(sizes);

void BM_Problems(benchmark::State& state) {
    loadTexts();
    CCfgDoc doc;
    if (!doc.OnOpenDocument(benchFile(static_cast<std::size_t>(state.range(0)))))
        std::abort();
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<RecordProblem> problems = findRecordProblems(doc.store());
        found = problems.size();
        benchmark::DoNotOptimize(problems.data());
    }
    state.counters["problems"] = static_cast<double>(found);
}
BENCHMARK(BM_Problems)->Name("BM_Problems/all")->Apply(sizes);

} // namespace
