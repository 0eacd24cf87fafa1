// Fuzzes the checks that check, the problems panel and the save run over a file: the record
// checks over every section, the search for text the reader leaves out, and the search for
// values the file cannot carry. None may crash or overrun, and what they name must exist.
#include "fuzz_support.h"
#include "record_problems.h"
#include "unread_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const UnreadText unread = findUnreadText(text, size);
    if (unread) {
        const long lines = static_cast<long>(std::count(text, text + size, '\n')) + 1;
        fuzz::check(unread.line >= 1 && unread.line <= lines);
    }
    CfgStore store;
    CfgReadResult read;
    if (cfgReadBuffer(store, text, size, &read) != 0)
        return 0;
    // The reader finds the same as it goes.
    fuzz::check(read.unread.cause == unread.cause && read.unread.line == unread.line);
    const auto sections = static_cast<int>(store.sectionCount());
    for (const RecordProblem& p : findRecordProblems(store))
        fuzz::check(p.occurrence >= 0 && p.occurrence < sections &&
                    (p.code() != 0 || !p.oldServer.empty()));
    CfgUnwritable where;
    if (cfgFindUnwritable(store, where))
        fuzz::check(where.reason && *where.reason && where.occurrence < sections);
    return 0;
}
