#include "appc_records.h"
#include "cfg_doc.h"
#include "cfg_store.h"
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

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

namespace {

// What a record writer answered: 1 written (or already held), or 0 with the code to report.
struct WriteResult {
    int result = 0;
    int code = 0;
};

// Reads the record named `name` with read, or gives the values of a new record under that
// name when there is none: the starting point whose fields the input leaves out. existed
// tells which.
template <typename Record, typename Read, typename Name>
Record startingRecord(const CfgStore& store, const std::string& name, Read read, Name field,
                      bool& existed) {
    Record r;
    field(r) = name;
    existed = !name.empty() && read(store, r);
    if (existed)
        return r;
    r = Record();
    read(store, r); // the empty name gives the values of a new record
    field(r) = name;
    return r;
}

// A record that already holds the given values is not written again: a write moves it to
// the first place of its kind and drops keys it does not know, which would change the file
// for nothing.
template <typename Record, typename Write>
int writeChanged(const Record& stored, bool existed, const Record& wanted, Write write) {
    return existed && stored == wanted ? 1 : write();
}

WriteResult writeRecord(CfgStore& store, ToolKind kind, const Json& input) {
    WriteResult w;
    int flag = 0;
    std::string ignored;
    switch (kind) {
    case ToolKind::Global: {
        GlobalRecord r;
        globalRead(store, r);
        const GlobalRecord stored = r;
        applyJson(input, r, ignored);
        w.result = writeChanged(stored, store.hasSection("GLOBAL"), r,
                                [&] { return globalWrite(store, r, flag, w.code); });
        break;
    }
    case ToolKind::Appc: {
        AppcRecord r;
        int missing = 0;
        appcRead(store, r, missing);
        const AppcRecord stored = r;
        applyJson(input, r, ignored);
        w.result = writeChanged(stored, missing == 0, r,
                                [&] { return appcWrite(store, r, flag, w.code); });
        break;
    }
    case ToolKind::Cpic: {
        CpicSideInfoRecord probe;
        applyJson(input, probe, ignored);
        bool existed = false;
        auto r = startingRecord<CpicSideInfoRecord>(
            store, probe.symbName, cpicReadEntry,
            [](CpicSideInfoRecord& x) -> std::string& { return x.symbName; }, existed);
        const CpicSideInfoRecord stored = r;
        applyJson(input, r, ignored);
        w.result = writeChanged(stored, existed, r,
                                [&] { return cpicWriteEntry(store, r, flag, w.code); });
        break;
    }
    case ToolKind::Tp: {
        AttachTpRecord probe;
        applyJson(input, probe, ignored);
        bool existed = false;
        auto r = startingRecord<AttachTpRecord>(
            store, probe.tpName, tpReadEntry,
            [](AttachTpRecord& x) -> std::string& { return x.tpName; }, existed);
        const AttachTpRecord stored = r;
        applyJson(input, r, ignored);
        w.result =
            writeChanged(stored, existed, r, [&] { return tpWriteEntry(store, r, flag, w.code); });
        break;
    }
    case ToolKind::Lux: {
        LuxProfileRecord probe;
        applyJson(input, probe, ignored);
        bool existed = false;
        auto r = startingRecord<LuxProfileRecord>(
            store, probe.profileName, luxReadProfile,
            [](LuxProfileRecord& x) -> std::string& { return x.profileName; }, existed);
        const LuxProfileRecord stored = r;
        applyJson(input, r, ignored);
        w.result = writeChanged(stored, existed, r,
                                [&] { return luxWriteProfile(store, r, flag, w.code); });
        break;
    }
    case ToolKind::System: {
        MidrangeSystemRecord probe;
        applyJson(input, probe, ignored);
        bool existed = false;
        auto r = startingRecord<MidrangeSystemRecord>(
            store, probe.hostName, midrangeReadSystem,
            [](MidrangeSystemRecord& x) -> std::string& { return x.hostName; }, existed);
        const MidrangeSystemRecord stored = r;
        applyJson(input, r, ignored);
        // The password is entered once here; it is its own verification.
        w.result = writeChanged(stored, existed, r, [&] {
            return midrangeWriteSystem(store, r.hostName, r.userId, r.password, r.password,
                                       r.defaultFlag, flag, w.code);
        });
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
        const MidrangeCommonRecord stored = r;
        applyJson(input, r, ignored);
        // The editor passes the user id as the spare fifth string.
        w.result = writeChanged(stored, store.hasSection("NODEX_COMMON"), r, [&] {
            return midrangeWriteCommon(store, r.localLu, r.mode, r.userId, r.password, r.userId,
                                       flag, w.code);
        });
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

    CCfgDoc doc;
    FileBefore before;
    if (int code = openForChange(doc, inv, true, before, err); code != kExitOk)
        return code;
    WriteResult w = writeRecord(doc.store(), info->kind, input);
    if (!w.result) {
        printError(err, w.code);
        return kExitFailed;
    }
    doc.SetModifiedFlag(true);
    return finishChange(doc, inv, before, out, err);
}
