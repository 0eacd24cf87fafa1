#include "bench_files.h"

#include "config_generator.h"

#include <cstdlib>
#include <filesystem>
#include <map>

const std::string& benchScratchDir() {
    static const std::string dir = [] {
        const char* env = std::getenv("APICFG_BENCH_DIR");
        std::string base = env && *env ? env
                           : std::filesystem::is_directory("/dev/shm")
                               ? "/dev/shm"
                               : std::filesystem::temp_directory_path().string();
        std::string d = base + "/apicfg-bench";
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

const std::string& benchFile(std::size_t sections) {
    static std::map<std::size_t, std::string> files;
    auto it = files.find(sections);
    if (it == files.end()) {
        // Files of one's own in APICFG_BENCH_INPUT (input-N.ini for N sections) take the generated
        // ones' place.
        const char* input = std::getenv("APICFG_BENCH_INPUT");
        std::string own = input && *input
                              ? std::string(input) + "/input-" + std::to_string(sections) + ".ini"
                              : std::string();
        it = files
                 .emplace(sections, !own.empty() && std::filesystem::is_regular_file(own)
                                        ? own
                                        : writeGeneratedConfiguration(benchScratchDir(), sections))
                 .first;
    }
    return it->second;
}
