#include "cfg_store.h"
#include "commands.h"
#include "file_steps.h"
#include "json_text.h"
#include "latin1.h"
#include "record_checks.h"
#include "tool_messages.h"

#include <ostream>

namespace {

std::string messageOf(const Finding& f) {
    // "error CODE: MESSAGE" without its "error CODE: " is the message alone.
    std::string line = errorLine(f.code);
    return line.substr(line.find(": ") + 2);
}

void printLine(std::ostream& out, const std::string& file, const Finding& f) {
    out << file << ": " << kindInfo(f.kind).name;
    if (!f.name.empty())
        out << ' ' << latin1ToUtf8(f.name);
    out << ": ";
    if (f.code)
        out << errorLine(f.code) << '\n';
    else
        out << "warning: " << f.warning << '\n';
}

Json findingJson(const std::string& file, const Finding& f) {
    Json j = Json::object();
    j["file"] = file;
    j["kind"] = std::string(kindInfo(f.kind).name);
    j["name"] = jsonBytes(f.name);
    j["code"] = f.code;
    j["message"] = f.code ? messageOf(f) : f.warning;
    j["severity"] = f.code ? "error" : "warning";
    return j;
}

} // namespace

int runCheck(const Invocation& inv, std::ostream& out, std::ostream& err) {
    bool unreadable = false;
    bool foundError = false;
    Json all = Json::array();
    for (const std::string& file : inv.files) {
        CfgStore store;
        if (readConfiguration(store, file, err) != kExitOk) {
            unreadable = true;
            continue;
        }
        for (const Finding& f : checkRecords(store)) {
            foundError = foundError || f.code != 0;
            if (inv.json)
                all.push_back(findingJson(file, f));
            else
                printLine(out, file, f);
        }
    }
    if (inv.json)
        out << jsonText(all) << '\n';
    return unreadable ? kExitUsage : foundError ? kExitFailed : kExitOk;
}
