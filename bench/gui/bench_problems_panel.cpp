// The problems panel filled in the editor, against opening the same file, side by side: on
// the generated files, and on the same files with a fault in every record (each value of
// every record made one the checks refuse), so that every record is a row of the panel.
#include "bench_files.h"

#include "cfg_doc.h"
#include "problems_panel.h"
#include "record_problems.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>

namespace {

// The generated file with every record refused by its check: a blank in every mode, TP
// and host name, a small letter in every profile name.
const std::string& faultyFile(std::size_t sections) {
    static std::map<std::size_t, std::string> files;
    auto it = files.find(sections);
    if (it != files.end())
        return it->second;
    std::ifstream in(benchFile(sections), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    for (const char* key : {"MODE=", "TP_NAME=", "HOST_NAME="})
        text = std::regex_replace(text, std::regex(std::string("\n") + key),
                                  std::string("\n") + key + "x ");
    // Profile names keep their length: a longer one would not open (it is listed cut).
    text = std::regex_replace(text, std::regex("\nPROFILE_NAME=[A-Z]"), "\nPROFILE_NAME=x");
    const std::string path = benchScratchDir() + "/faulty-" + std::to_string(sections) + ".ini";
    std::ofstream(path, std::ios::binary) << text;
    return files.emplace(sections, path).first->second;
}

const std::string& fileFor(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    return state.range(1) ? faultyFile(n) : benchFile(n);
}

void withFaults(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 10000})
        for (int faulty : {0, 1})
            b->Args({n, faulty});
    b->ArgNames({"sections", "faulty"});
    b->Unit(benchmark::kMicrosecond);
}

void BM_Open(benchmark::State& state) {
    CCfgDoc doc;
    const std::string& path = fileFor(state);
    for (auto _ : state)
        if (!doc.OnOpenDocument(path))
            state.SkipWithError("open failed");
}
BENCHMARK(BM_Open)->Name("BM_Panel/open")->Apply(withFaults);

// What the editor does after opening: find the problems and give them to the panel, which
// lays out its columns.
void BM_Fill(benchmark::State& state) {
    CCfgDoc doc;
    if (!doc.OnOpenDocument(fileFor(state)))
        std::abort();
    ProblemsPanel panel;
    panel.show();
    std::size_t rows = 0;
    for (auto _ : state) {
        panel.setProblems(findRecordProblems(doc.store()));
        QApplication::processEvents();
        rows = panel.model().problems().size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Fill)->Name("BM_Panel/fill")->Apply(withFaults);

} // namespace
