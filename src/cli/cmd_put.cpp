#include "appc_records.h"
#include "cfg_doc.h"
#include "cfg_file.h"
#include "commands.h"
#include "cpic_records.h"
#include "file_steps.h"
#include "global_records.h"
#include "kind_argument.h"
#include "lux_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "record_json.h"
#include "tool_messages.h"
#include "tp_records.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

namespace {

// What a record writer answered: 1 written, or 0 with the code to report.
struct WriteResult {
    int result = 0;
    int code = 0;
};

// Reads the record named `name` with read, or gives the values of a new record under that
// name when there is none: the starting point whose fields the input leaves out.
template <typename Record, typename Read, typename Name>
Record startingRecord(const CfgStore& store, const std::string& name, Read read, Name field) {
    Record r;
    field(r) = name;
    if (!name.empty() && read(store, r))
        return r;
    r = Record();
    read(store, r); // the empty name gives the values of a new record
    field(r) = name;
    return r;
}

WriteResult writeRecord(CfgStore& store, ToolKind kind, const Json& input) {
    WriteResult w;
    int flag = 0;
    std::string ignored;
    switch (kind) {
    case ToolKind::Global: {
        GlobalRecord r;
        globalRead(store, r);
        applyJson(input, r, ignored);
        w.result = globalWrite(store, r, flag, w.code);
        break;
    }
    case ToolKind::Appc: {
        AppcRecord r;
        int missing = 0;
        appcRead(store, r, missing);
        applyJson(input, r, ignored);
        w.result = appcWrite(store, r, flag, w.code);
        break;
    }
    case ToolKind::Cpic: {
        CpicSideInfoRecord probe;
        applyJson(input, probe, ignored);
        auto r = startingRecord<CpicSideInfoRecord>(
            store, probe.symbName, cpicReadEntry,
            [](CpicSideInfoRecord& x) -> std::string& { return x.symbName; });
        applyJson(input, r, ignored);
        w.result = cpicWriteEntry(store, r, flag, w.code);
        break;
    }
    case ToolKind::Tp: {
        AttachTpRecord probe;
        applyJson(input, probe, ignored);
        auto r = startingRecord<AttachTpRecord>(
            store, probe.tpName, tpReadEntry,
            [](AttachTpRecord& x) -> std::string& { return x.tpName; });
        applyJson(input, r, ignored);
        w.result = tpWriteEntry(store, r, flag, w.code);
        break;
    }
    case ToolKind::Lux: {
        LuxProfileRecord probe;
        applyJson(input, probe, ignored);
        auto r = startingRecord<LuxProfileRecord>(
            store, probe.profileName, luxReadProfile,
            [](LuxProfileRecord& x) -> std::string& { return x.profileName; });
        applyJson(input, r, ignored);
        w.result = luxWriteProfile(store, r, flag, w.code);
        break;
    }
    case ToolKind::System: {
        MidrangeSystemRecord probe;
        applyJson(input, probe, ignored);
        auto r = startingRecord<MidrangeSystemRecord>(
            store, probe.hostName, midrangeReadSystem,
            [](MidrangeSystemRecord& x) -> std::string& { return x.hostName; });
        applyJson(input, r, ignored);
        // The password is entered once here; it is its own verification.
        w.result = midrangeWriteSystem(store, r.hostName, r.userId, r.password, r.password,
                                       r.defaultFlag, flag, w.code);
        // As the midrange editor does once the system is stored: make it the default.
        auto d = input.find("DEFAULT");
        if (w.result && d != input.end() && d->is_string() && d->get<std::string>() == "1" &&
            !midrangeSetDefault(store, r.hostName)) {
            w.result = 0;
            w.code = kErrStore;
        }
        break;
    }
    case ToolKind::Common: {
        MidrangeCommonRecord r;
        midrangeReadCommon(store, r);
        applyJson(input, r, ignored);
        // The editor passes the user id as the spare fifth string.
        w.result = midrangeWriteCommon(store, r.localLu, r.mode, r.userId, r.password, r.userId,
                                       flag, w.code);
        break;
    }
    case ToolKind::Midrange:
        break;
    }
    if (!w.result && w.code == 0)
        w.code = kErrStore;
    return w;
}

template <typename Record> bool fits(const Json& input, std::string& error) {
    Record r;
    return applyJson(input, r, error);
}

// The record's JSON is checked against the kind's fields before FILE is touched.
bool validInput(ToolKind kind, const Json& input, std::string& error) {
    switch (kind) {
    case ToolKind::Global:
        return fits<GlobalRecord>(input, error);
    case ToolKind::Appc:
        return fits<AppcRecord>(input, error);
    case ToolKind::Cpic:
        return fits<CpicSideInfoRecord>(input, error);
    case ToolKind::Tp:
        return fits<AttachTpRecord>(input, error);
    case ToolKind::Lux:
        return fits<LuxProfileRecord>(input, error);
    case ToolKind::System:
        return fits<MidrangeSystemRecord>(input, error);
    case ToolKind::Common:
        return fits<MidrangeCommonRecord>(input, error);
    case ToolKind::Midrange:
        break;
    }
    return false;
}

// The file's bytes as they are before anything opens it, when it exists.
std::optional<std::string> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << file.rdbuf();
    return buffer.str();
}

// The store's sections, each as its name and keys, in an order of their own: a record
// writer puts the record it writes first among its kind, so writing a record that is
// already there moves it without changing what the file holds.
std::vector<std::string> sectionsInAnyOrder(const CfgStore& store) {
    std::vector<std::string> sections;
    sections.reserve(store.sectionCount());
    for (const CfgSection* s = store.firstSection(); s; s = store.nextSection(s)) {
        std::string text(store.sectionName(s));
        for (const CfgKey* k = store.firstKey(s); k; k = store.nextKey(k)) {
            text.append(1, '\n').append(store.keyName(k)).append(1, '=');
            text.append(store.keyValue(k));
        }
        sections.push_back(std::move(text));
    }
    std::sort(sections.begin(), sections.end());
    return sections;
}

bool readInput(const std::string& name, std::istream& in, std::string& text) {
    std::ostringstream buffer;
    if (name.empty() || name == "-") {
        buffer << in.rdbuf();
    } else {
        std::ifstream file(name, std::ios::binary);
        if (!file)
            return false;
        buffer << file.rdbuf();
    }
    text = buffer.str();
    return true;
}

} // namespace

int runPut(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err) {
    const ToolKindInfo* info = kindArgument(inv, {ToolKind::Midrange}, err);
    if (!info)
        return kExitUsage;
    std::string text;
    if (!readInput(inv.input, in, text))
        return useError(err, inv.command, "cannot read the JSON file '" + inv.input + "'");
    Json input;
    try {
        input = Json::parse(text);
    } catch (const Json::parse_error& e) {
        return useError(err, inv.command, std::string("the input is not JSON: ") + e.what());
    }
    std::string error;
    if (!validInput(info->kind, input, error))
        return useError(err, inv.command, std::string(info->name) + ": " + error);

    // Read before the open: opening converts entries of the older form on disk.
    const std::optional<std::string> before = fileBytes(inv.files.front());
    CCfgDoc doc;
    if (int code = openDocument(doc, inv.files.front(), true, err); code != kExitOk)
        return code;
    const std::vector<std::string> held = sectionsInAnyOrder(doc.store());
    WriteResult w = writeRecord(doc.store(), info->kind, input);
    if (!w.result) {
        printError(err, w.code);
        return kExitFailed;
    }
    // A file that already holds the record is not written at all, so that scripts and
    // configuration management can tell a change from none. The open must not have
    // converted anything, and the save must have no default section to add.
    const CfgStore& store = doc.store();
    if (before && store.hasSection("GLOBAL") && store.hasSection("TRACE") &&
        sectionsInAnyOrder(store) == held && fileBytes(inv.files.front()) == before) {
        out << inv.files.front() << ": unchanged\n";
        return kExitOk;
    }
    doc.SetModifiedFlag(true);
    return saveDocument(doc, err);
}
