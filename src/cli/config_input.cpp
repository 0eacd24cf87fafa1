#include "config_input.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "command_line.h"
#include "file_access.h"
#include "file_steps.h"
#include "messages.h"
#include "tool_messages.h"
#include "unread_text.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace {

// Standard input is read as far as the size limit of a file allows, so that an endless
// stream is refused rather than read without bound.
int readStandardInput(CfgStore& store, std::istream& in, std::ostream& err, std::string& bytes,
                      UnreadText* unread) {
    bytes.clear();
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxConfigFileSize) {
            err << "-: " << fileErrorText({FileFault::TooLarge, "-", 0, 0, {}}) << '\n';
            return kExitUnreadable;
        }
    }
    cfgClear(store);
    CfgReadResult detail;
    if (cfgReadBuffer(store, bytes.data(), bytes.size(), &detail) == 0) {
        if (unread)
            *unread = detail.unread;
        return kExitOk;
    }
    printError(err, ErrorCode::Store);
    err << "-";
    if (detail.line > 0)
        err << ": line " << detail.line;
    err << ": " << cfgParseErrorText(detail.error) << '\n';
    return kExitUnreadable;
}

} // namespace

int needsRealFile(const std::string& command, const std::string& file, std::ostream& err) {
    if (!isStandardInput(file))
        return kExitOk;
    return useError(err, command,
                    "FILE '-' (standard input) can only be read; '" + command +
                        "' writes FILE and needs its path");
}

int readConfigurationInput(CfgStore& store, const std::string& file, std::istream& in,
                           std::ostream& err, std::string* bytes, UnreadText* unread) {
    if (!isStandardInput(file))
        return readConfiguration(store, file, err, unread, bytes);
    std::string scratch;
    std::string& read = bytes ? *bytes : scratch;
    return readStandardInput(store, in, err, read, unread);
}
