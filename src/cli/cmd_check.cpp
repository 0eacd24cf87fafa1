#include "cfg_lines.h"
#include "cfg_store.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "json_text.h"
#include "latin1_text.h"
#include "messages.h"
#include "record_kinds.h"
#include "record_problems.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tool_messages.h"

#include <ostream>

namespace {

// The problems panel's text, in the language of the tool's messages.
std::string warningOf(const RecordProblem& p) {
    return formatMessage(TelaEnvironment::GetUserString(ids::kProblemOldForm),
                         {latin1ToUtf8(p.oldServer)});
}

std::string messageOf(const RecordProblem& p) {
    return p.isError() ? refusalText(p.refusal) : warningOf(p);
}

// Where a finding is: the line of its record's section, as compilers name a line. The
// lines come from the bytes read; when they do not match the store, no line is named.
std::string placeOf(const std::string& file, const std::vector<long>& lines,
                    const RecordProblem& p) {
    const auto at = static_cast<std::size_t>(p.section);
    return at < lines.size() ? file + ":" + std::to_string(lines[at]) : file;
}

void printLine(std::ostream& out, const std::string& place, const RecordProblem& p) {
    out << place << ": " << kindOf(p.family).toolName;
    if (!p.name.empty())
        out << ' ' << lineText(latin1ToUtf8(p.name));
    out << ": ";
    if (p.isError())
        out << errorLine(p.refusal) << '\n';
    else
        out << "warning: " << lineText(warningOf(p)) << '\n';
}

Json problemJson(const std::string& file, const std::vector<long>& lines, const RecordProblem& p) {
    Json j = Json::object();
    j["file"] = file;
    const auto at = static_cast<std::size_t>(p.section);
    j["line"] = at < lines.size() ? Json(lines[at]) : Json(nullptr);
    j["kind"] = std::string(kindOf(p.family).toolName);
    j["name"] = jsonBytes(p.name);
    j["code"] = p.code();
    j["field"] = p.isError() ? p.refusal.fieldPath() : std::string();
    j["message"] = messageOf(p);
    j["severity"] = p.isError() ? "error" : "warning";
    return j;
}

} // namespace

int runCheck(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err) {
    bool unreadable = false;
    bool foundError = false;
    Json all = Json::array();
    for (const std::string& file : inv.files) {
        CfgStore store;
        std::string bytes;
        UnreadText unread;
        if (readConfigurationInput(store, file, in, err, &bytes, &unread) != kExitOk) {
            unreadable = true;
            continue;
        }
        reportUnread(file, unread, inv.json, all, out);
        std::vector<long> lines = cfgSectionLines(bytes);
        if (lines.size() != store.sectionCount())
            lines.clear();
        for (const RecordProblem& p : findRecordProblems(store)) {
            foundError = foundError || p.isError();
            if (inv.json)
                all.push_back(problemJson(file, lines, p));
            else
                printLine(out, placeOf(file, lines, p), p);
        }
    }
    if (inv.json)
        out << jsonText(all) << '\n';
    return unreadable ? kExitUnreadable : foundError ? kExitFailed : kExitOk;
}
