// What the main window and the editors do on a large file: list each option kind, and read,
// write and delete one record of each kind; and the document's whole open and save.
#include "bench_files.h"
#include "bench_sizes.h"

#include "appc_records.h"
#include "cfg_doc.h"
#include "cfg_file.h"
#include "cfg_store.h"
#include "cpic_records.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "option_kinds.h"
#include "record_kinds.h"
#include "tela_environment.h"
#include "tp_records.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// The transport texts that the generated files use, so that the server-name checks run.
void loadTexts() {
    static bool loaded = [] {
        TelaEnvironment::LoadLibraryText("61206\tTCP/IP\n61207\tIPX/SPX\n2432\tAPPC\n"
                                         "2433\tGlobal\n2452\tMidrange\n",
                                         "bench");
        return true;
    }();
    (void)loaded;
}

void openDocument(CCfgDoc& doc, std::size_t sections) {
    loadTexts();
    if (!doc.OnOpenDocument(benchFile(sections)))
        std::abort();
}

// A record of the kind from the middle of the list.
std::string middleRecord(CCfgDoc& doc, int kind) {
    std::vector<std::string> list;
    std::string defaultName;
    // The midrange kind lists one entry for all systems; its records are the systems.
    if (kind == kKindMidrange)
        midrangeListSystems(doc.store(), list, defaultName);
    else
        doc.ListOptionRecords(kind, list);
    return list.empty() ? std::string() : list[list.size() / 2];
}

template <int Kind> void BM_List(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> list;
        doc.ListOptionRecords(Kind, list);
        benchmark::DoNotOptimize(list.data());
    }
}
// The least a list can do in this store: reach every record of the kind as the list does
// and read one byte of its first key. How that grows is the memory's, not the list's.
template <int Kind> void BM_Floor_WalkRecords(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    const std::string_view section = findOptionKind(Kind)->section;
    for (auto _ : state) {
        std::size_t bytes = 0;
        const CfgSection* s = nullptr;
        for (int i = -1; (s = cfgFindSection(doc.store(), 0, i, section)); ++i)
            bytes += s->keys.empty() ? 0 : s->keys.front().value.size();
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK(BM_List<kKindGlobal>)->Name("BM_List/global")->Apply(allSizes);
BENCHMARK(BM_List<kKindAppc>)->Name("BM_List/appc")->Apply(allSizes);
BENCHMARK(BM_List<kKindCpic>)->Name("BM_List/cpic")->Apply(allSizes);
BENCHMARK(BM_List<kKindTp>)->Name("BM_List/tp")->Apply(allSizes);
BENCHMARK(BM_List<kKindLux>)->Name("BM_List/lux")->Apply(allSizes);
BENCHMARK(BM_List<kKindMidrange>)->Name("BM_List/midrange")->Apply(allSizes);
BENCHMARK(BM_Floor_WalkRecords<kKindCpic>)->Name("BM_Floor_WalkRecords/cpic")->Apply(allSizes);
BENCHMARK(BM_Floor_WalkRecords<kKindTp>)->Name("BM_Floor_WalkRecords/tp")->Apply(allSizes);
BENCHMARK(BM_Floor_WalkRecords<kKindLux>)->Name("BM_Floor_WalkRecords/lux")->Apply(allSizes);

// One record of a kind read, a new one written (it goes first among its kind) and deleted
// again, so that every iteration meets the same store. The one-record kinds are read and
// rewritten in place (each write moves the section to the end).
using RecordCycle = bool (*)(CfgStore& store, const std::string& name);

void runCycle(benchmark::State& state, int kind, RecordCycle cycle) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    const std::string name = middleRecord(doc, kind);
    for (auto _ : state)
        if (!cycle(doc.store(), name))
            state.SkipWithError("record write failed");
}

bool cpicCycle(CfgStore& store, const std::string& name) {
    CpicSideInfoRecord record;
    record.symbName = name;
    cpicReadEntry(store, record);
    record.symbName = "NEWENTRY";
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return cpicWriteEntry(store, record, flag, code) && cpicDeleteEntry(store, "NEWENTRY");
}

bool tpCycle(CfgStore& store, const std::string& name) {
    AttachTpRecord record;
    record.tpName = name;
    tpReadEntry(store, record);
    record.tpName = "NEWTP";
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return tpWriteEntry(store, record, flag, code) && tpDeleteEntry(store, "NEWTP");
}

bool luxCycle(CfgStore& store, const std::string& name) {
    LuxProfileRecord record;
    record.profileName = name;
    luxReadProfile(store, record);
    record.profileName = "NEWLUX";
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return luxWriteProfile(store, record, flag, code) && luxDeleteProfile(store, "NEWLUX");
}

bool midrangeCycle(CfgStore& store, const std::string& name) {
    MidrangeSystemRecord record;
    record.hostName = name;
    midrangeReadSystem(store, record);
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return midrangeWriteSystem(store, "NEWHOST", "USER", "", flag, code) &&
           midrangeDeleteSystem(store, "NEWHOST");
}

bool globalCycle(CfgStore& store, const std::string&) {
    GlobalRecord record;
    globalRead(store, record);
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return globalWrite(store, record, flag, code);
}

bool appcCycle(CfgStore& store, const std::string&) {
    AppcRecord record;
    int missing = 0;
    appcRead(store, record, missing);
    int flag = 0;
    ErrorCode code = ErrorCode::None;
    return appcWrite(store, record, flag, code);
}

BENCHMARK_CAPTURE(runCycle, cpic, kKindCpic, cpicCycle)->Name("BM_Record/cpic")->Apply(allSizes);
BENCHMARK_CAPTURE(runCycle, tp, kKindTp, tpCycle)->Name("BM_Record/tp")->Apply(allSizes);
BENCHMARK_CAPTURE(runCycle, lux, kKindLux, luxCycle)->Name("BM_Record/lux")->Apply(allSizes);
BENCHMARK_CAPTURE(runCycle, midrange, kKindMidrange, midrangeCycle)
    ->Name("BM_Record/midrange")
    ->Apply(allSizes);
BENCHMARK_CAPTURE(runCycle, global, kKindGlobal, globalCycle)
    ->Name("BM_Record/global")
    ->Apply(allSizes);
BENCHMARK_CAPTURE(runCycle, appc, kKindAppc, appcCycle)->Name("BM_Record/appc")->Apply(allSizes);

// A copy of the benchmark's file in the scratch folder, for a document to save over.
std::string scratchCopy(const benchmark::State& state, const std::string& name) {
    std::string path = benchScratchDir() + "/" + name;
    std::filesystem::copy_file(benchFile(static_cast<std::size_t>(state.range(0))), path,
                               std::filesystem::copy_options::overwrite_existing);
    return path;
}

void BM_Document_OpenSave(benchmark::State& state) {
    loadTexts();
    const std::string path = scratchCopy(state, "open-save.ini");
    CCfgDoc doc;
    for (auto _ : state) {
        if (!doc.OnOpenDocument(path) || !doc.OnSaveDocument(path))
            state.SkipWithError("open or save failed");
    }
}
BENCHMARK(BM_Document_OpenSave)->Name("BM_Document/open_save")->Apply(allSizes);

// The whole file listed as `apicfg-tool list FILE` lists it: read into a store, then every
// option's records list.
void BM_Document_List(benchmark::State& state) {
    loadTexts();
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        CfgStore store;
        if (cfgReadFile(store, path) != 0)
            state.SkipWithError("read failed");
        std::size_t listed = 0;
        for (const RecordKind& kind : optionKinds()) {
            std::vector<std::string> entries;
            kind.list(store, entries);
            listed += entries.size();
        }
        benchmark::DoNotOptimize(listed);
    }
}
BENCHMARK(BM_Document_List)->Name("BM_Document/list")->Apply(allSizes);

// A save alone: the file written and read back, as File Save does it.
void BM_Document_Save(benchmark::State& state) {
    loadTexts();
    const std::string path = scratchCopy(state, "save.ini");
    CCfgDoc doc;
    if (!doc.OnOpenDocument(path))
        state.SkipWithError("open failed");
    for (auto _ : state)
        if (!doc.OnSaveDocument(path))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_Document_Save)->Name("BM_Document/save")->Apply(allSizes);

} // namespace
