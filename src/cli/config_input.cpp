#include "config_input.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "command_line.h"
#include "file_steps.h"
#include "messages.h"
#include "tool_messages.h"

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace {

int readStandardInput(CfgStore& store, std::istream& in, std::ostream& err, std::string& bytes) {
    std::ostringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    cfgClear(store);
    CfgReadResult detail;
    if (cfgReadBuffer(store, bytes.data(), bytes.size(), &detail) == 0)
        return kExitOk;
    printError(err, kErrStore);
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
                           std::ostream& err, std::string* bytes) {
    std::string scratch;
    if (isStandardInput(file))
        return readStandardInput(store, in, err, bytes ? *bytes : scratch);
    if (readConfiguration(store, file, err) != kExitOk)
        return kExitUnreadable;
    if (bytes) {
        std::ifstream stream(file, std::ios::binary);
        bytes->assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }
    return kExitOk;
}
