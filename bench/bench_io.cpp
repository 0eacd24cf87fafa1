// Reading and writing side by side with the floor (the file's bytes into memory) and with
// inih parsing the same file into memory, so that the ratios hold on a noisy machine.
#include "bench_files.h"
#include "bench_sizes.h"

#include "cfg_file.h"
#include "cfg_store.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ini.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void BM_Floor_ReadBytes(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        struct stat st {};
        ::fstat(fd, &st);
        std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
        std::size_t got = 0;
        while (got < bytes.size()) {
            ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Floor_ReadBytes)->Apply(allSizes);

struct IniEntry {
    std::string section, key, value;
};

int copyEntry(void* user, const char* section, const char* name, const char* value) {
    static_cast<std::vector<IniEntry>*>(user)->push_back({section, name, value});
    return 1;
}

void BM_Inih_Parse(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<IniEntry> entries;
        ini_parse(path.c_str(), copyEntry, &entries);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(BM_Inih_Parse)->Apply(allSizes);

void BM_Read_Store(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    CfgStore store;
    for (auto _ : state) {
        cfgClear(store);
        if (cfgReadFile(store, path) != 0)
            state.SkipWithError("read failed");
    }
}
BENCHMARK(BM_Read_Store)->Apply(allSizes);

void BM_Write_File(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<std::size_t>(state.range(0)));
    CfgStore store;
    cfgReadFile(store, path);
    std::string out = benchScratchDir() + "/written.ini";
    for (auto _ : state)
        if (cfgWriteFile(store, out) != 0)
            state.SkipWithError("write failed");
}
BENCHMARK(BM_Write_File)->Apply(allSizes);

} // namespace
