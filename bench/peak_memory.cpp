// Peak memory of reading a file into the store (and of the document's whole open and save):
// prints the file's size and how far the process's peak resident size grew, in bytes.
#include "cfg_doc.h"
#include "cfg_file.h"
#include "cfg_store.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

long peakBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024L;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: peak_memory FILE [open-save]\n");
        return 2;
    }
    struct stat st {};
    if (::stat(argv[1], &st) != 0)
        return 1;
    long before = peakBytes();
    if (argc > 2 && std::strcmp(argv[2], "open-save") == 0) {
        CCfgDoc doc;
        if (!doc.OnOpenDocument(argv[1]) || !doc.OnSaveDocument(argv[1]))
            return 1;
    } else {
        CfgStore store;
        if (cfgReadFile(store, argv[1]) != 0)
            return 1;
    }
    std::printf("{\"file_bytes\": %ld, \"peak_growth_bytes\": %ld}\n",
                static_cast<long>(st.st_size), peakBytes() - before);
    return 0;
}
