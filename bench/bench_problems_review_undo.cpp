// What the editor does beyond the records on a large file, against opening it, side by
// side: finding every record's problems (the problems panel), what a save would write and
// its difference to the file (the review of changes), and a copy of the store (one undo
// step).
#include "bench_files.h"
#include "bench_sizes.h"

#include "cfg_doc.h"
#include "cfg_file.h"
#include "record_kinds.h"
#include "record_problems.h"
#include "save_content.h"
#include "tela_environment.h"
#include "unified_diff.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

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
BENCHMARK(BM_Document_Open)->Name("BM_Document/open")->Apply(largeSizes);

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
BENCHMARK(BM_Problems)->Name("BM_Problems/all")->Apply(largeSizes);

// The review after one record was deleted: the save's bytes and their difference.
void BM_Review(benchmark::State& state) {
    loadTexts();
    CCfgDoc doc;
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> entries;
    if (!doc.OnOpenDocument(path) || !doc.ListOptionRecords(kKindCpic, entries) ||
        entries.empty() || !doc.DeleteOptionRecord(kKindCpic, entries[entries.size() / 2]))
        std::abort();
    std::ifstream in(path, std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(in), {}};
    for (auto _ : state) {
        std::string diff = unifiedDiff(before, savedBytes(doc.store()), path, path);
        benchmark::DoNotOptimize(diff.data());
    }
}
BENCHMARK(BM_Review)->Name("BM_Review/delete_one")->Apply(largeSizes);

void BM_Store_Copy(benchmark::State& state) {
    loadTexts();
    CCfgDoc doc;
    if (!doc.OnOpenDocument(benchFile(static_cast<std::size_t>(state.range(0)))))
        std::abort();
    CfgStore copy;
    for (auto _ : state)
        cfgCopy(doc.store(), copy);
    state.counters["store_MB"] = static_cast<double>(doc.store().bytesReserved()) / 1e6;
}
BENCHMARK(BM_Store_Copy)->Name("BM_Store/copy")->Apply(largeSizes);

// What an undo step adds to its copy: the store compared with the state before it (and with
// the clean one), whole when nothing changed.
void BM_Store_SameContent(benchmark::State& state) {
    loadTexts();
    CCfgDoc doc;
    if (!doc.OnOpenDocument(benchFile(static_cast<std::size_t>(state.range(0)))))
        std::abort();
    CfgStore copy;
    cfgCopy(doc.store(), copy);
    for (auto _ : state)
        benchmark::DoNotOptimize(cfgSameContent(doc.store(), copy));
}
BENCHMARK(BM_Store_SameContent)->Name("BM_Store/same_content")->Apply(largeSizes);

} // namespace
