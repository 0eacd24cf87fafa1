// What the main window and the editors do on a large file: list each option kind, and read,
// write and delete one record of each kind; and the document's whole open and save.
#include "bench_files.h"

#include "appc_records.h"
#include "cfg_doc.h"
#include "cfg_file.h"
#include "cpic_records.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "option_kinds.h"
#include "tela_environment.h"
#include "tp_records.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void sizes(benchmark::internal::Benchmark* b) {
    for (int n : {100, 1000, 10000, 100000})
        b->Arg(n);
    b->Unit(benchmark::kMicrosecond);
}

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
BENCHMARK(BM_List<kKindGlobal>)->Name("BM_List/global")->Apply(sizes);
BENCHMARK(BM_List<kKindAppc>)->Name("BM_List/appc")->Apply(sizes);
BENCHMARK(BM_List<kKindCpic>)->Name("BM_List/cpic")->Apply(sizes);
BENCHMARK(BM_List<kKindTp>)->Name("BM_List/tp")->Apply(sizes);
BENCHMARK(BM_List<kKindLux>)->Name("BM_List/lux")->Apply(sizes);
BENCHMARK(BM_List<kKindMidrange>)->Name("BM_List/midrange")->Apply(sizes);

// One record of a kind read, a new one written (it goes first among its kind) and deleted
// again, so that every iteration meets the same store.
void BM_Record_Cpic(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    std::string name = middleRecord(doc, kKindCpic);
    for (auto _ : state) {
        CpicSideInfoRecord read;
        read.symbName = name;
        cpicReadEntry(doc.store(), read);
        read.symbName = "NEWENTRY";
        int flag = 0, code = 0;
        if (!cpicWriteEntry(doc.store(), read, flag, code) ||
            !cpicDeleteEntry(doc.store(), "NEWENTRY"))
            state.SkipWithError("cpic write failed");
    }
}
BENCHMARK(BM_Record_Cpic)->Name("BM_Record/cpic")->Apply(sizes);

void BM_Record_Tp(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    std::string name = middleRecord(doc, kKindTp);
    for (auto _ : state) {
        AttachTpRecord read;
        read.tpName = name;
        tpReadEntry(doc.store(), read);
        read.tpName = "NEWTP";
        int flag = 0, code = 0;
        if (!tpWriteEntry(doc.store(), read, flag, code))
            state.SkipWithError("tp write failed");
        tpDeleteEntry(doc.store(), "NEWTP");
    }
}
BENCHMARK(BM_Record_Tp)->Name("BM_Record/tp")->Apply(sizes);

void BM_Record_Lux(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    std::string name = middleRecord(doc, kKindLux);
    for (auto _ : state) {
        LuxProfileRecord read;
        read.profileName = name;
        luxReadProfile(doc.store(), read);
        read.profileName = "NEWLUX";
        int flag = 0, code = 0;
        if (!luxWriteProfile(doc.store(), read, flag, code))
            state.SkipWithError("lux write failed");
        luxDeleteProfile(doc.store(), "NEWLUX");
    }
}
BENCHMARK(BM_Record_Lux)->Name("BM_Record/lux")->Apply(sizes);

void BM_Record_Midrange(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        MidrangeSystemRecord read;
        read.hostName = "AS000000";
        midrangeReadSystem(doc.store(), read);
        int flag = 0, code = 0;
        if (!midrangeWriteSystem(doc.store(), "NEWHOST", "USER", "", "", "", flag, code))
            state.SkipWithError("midrange write failed");
        midrangeDeleteSystem(doc.store(), "NEWHOST");
    }
}
BENCHMARK(BM_Record_Midrange)->Name("BM_Record/midrange")->Apply(sizes);

// The one-record kinds are rewritten in place: each write moves the section to the end.
void BM_Record_Global(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        GlobalRecord record;
        globalRead(doc.store(), record);
        int flag = 0, code = 0;
        if (!globalWrite(doc.store(), record, flag, code))
            state.SkipWithError("global write failed");
    }
}
BENCHMARK(BM_Record_Global)->Name("BM_Record/global")->Apply(sizes);

void BM_Record_Appc(benchmark::State& state) {
    CCfgDoc doc;
    openDocument(doc, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        AppcRecord record;
        int missing = 0;
        appcRead(doc.store(), record, missing);
        int flag = 0, code = 0;
        if (!appcWrite(doc.store(), record, flag, code))
            state.SkipWithError("appc write failed");
    }
}
BENCHMARK(BM_Record_Appc)->Name("BM_Record/appc")->Apply(sizes);

void BM_Document_OpenSave(benchmark::State& state) {
    loadTexts();
    std::string path = benchScratchDir() + "/open-save.ini";
    std::filesystem::copy_file(benchFile(static_cast<std::size_t>(state.range(0))), path,
                               std::filesystem::copy_options::overwrite_existing);
    CCfgDoc doc;
    for (auto _ : state) {
        if (!doc.OnOpenDocument(path) || !doc.OnSaveDocument(path))
            state.SkipWithError("open or save failed");
    }
}
BENCHMARK(BM_Document_OpenSave)->Name("BM_Document/open_save")->Apply(sizes);

} // namespace
