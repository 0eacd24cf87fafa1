#include "cfg_store.h"
#include "commands.h"
#include "file_steps.h"
#include "json_text.h"
#include "latin1.h"
#include "record_problems.h"
#include "tool_kinds.h"
#include "tool_messages.h"

#include <ostream>

namespace {

ToolKind toolKindOf(RecordFamily family) {
    switch (family) {
    case RecordFamily::Global:
        return ToolKind::Global;
    case RecordFamily::Appc:
        return ToolKind::Appc;
    case RecordFamily::Cpic:
        return ToolKind::Cpic;
    case RecordFamily::Tp:
        return ToolKind::Tp;
    case RecordFamily::Lux:
        return ToolKind::Lux;
    case RecordFamily::MidrangeSystem:
        return ToolKind::System;
    case RecordFamily::MidrangeCommon:
        break;
    }
    return ToolKind::Common;
}

std::string warningOf(const RecordProblem& p) {
    return "server name \"" + latin1ToUtf8(p.oldServer) +
           "\" is of the older form; opening the file converts it";
}

std::string messageOf(const RecordProblem& p) {
    if (!p.code)
        return warningOf(p);
    // "error CODE: MESSAGE" without its "error CODE: " is the message alone.
    std::string line = errorLine(p.code);
    return line.substr(line.find(": ") + 2);
}

void printLine(std::ostream& out, const std::string& file, const RecordProblem& p) {
    out << file << ": " << kindInfo(toolKindOf(p.family)).name;
    if (!p.name.empty())
        out << ' ' << latin1ToUtf8(p.name);
    out << ": ";
    if (p.code)
        out << errorLine(p.code) << '\n';
    else
        out << "warning: " << warningOf(p) << '\n';
}

Json problemJson(const std::string& file, const RecordProblem& p) {
    Json j = Json::object();
    j["file"] = file;
    j["kind"] = std::string(kindInfo(toolKindOf(p.family)).name);
    j["name"] = jsonBytes(p.name);
    j["code"] = p.code;
    j["message"] = messageOf(p);
    j["severity"] = p.code ? "error" : "warning";
    return j;
}

} // namespace

int runCheck(const Invocation& inv, std::ostream& out, std::ostream& err) {
    bool unreadable = false;
    bool foundError = false;
    Json all = Json::array();
    for (const std::string& file : inv.files) {
        CfgStore store;
        UnreadText unread;
        if (readConfiguration(store, file, err, &unread) != kExitOk) {
            unreadable = true;
            continue;
        }
        reportUnread(file, unread, inv.json, all, out);
        for (const RecordProblem& p : findRecordProblems(store)) {
            foundError = foundError || p.code != 0;
            if (inv.json)
                all.push_back(problemJson(file, p));
            else
                printLine(out, file, p);
        }
    }
    if (inv.json)
        out << jsonText(all) << '\n';
    return unreadable ? kExitUsage : foundError ? kExitFailed : kExitOk;
}
