#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "kind_argument.h"
#include "latin1.h"
#include "put_record.h"
#include "record_json.h"
#include "tool_messages.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

namespace {

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

// "FILE: kind NAME: error CODE: MESSAGE (field F)", or what would not read back.
void printRefusal(std::ostream& err, const std::string& file, const ToolKindInfo& kind,
                  const PutResult& put) {
    err << file << ": " << kind.name;
    if (!put.name.empty())
        err << ' ' << latin1ToUtf8(put.name);
    err << ": ";
    if (put.outcome == PutResult::Refused) {
        err << "error " << put.refusal.number() << ": " << refusalText(put.refusal);
        if (!put.refusal.key.empty())
            err << " (field " << put.refusal.fieldPath() << ")";
        err << '\n';
    } else if (put.outcome == PutResult::ReadsBackDifferently) {
        err << "field " << put.field << ": ";
        // A password is named, never shown.
        if (put.field == "SEC_PW" || put.field == "PASSWORD")
            err << "the password";
        else
            err << jsonText(put.given);
        err << " would not read back as it was given";
        if (put.field != "SEC_PW" && put.field != "PASSWORD")
            err << " (it would read back as " << jsonText(put.back) << ")";
        err << "; nothing was stored\n";
    } else {
        err << errorLine(put.code) << '\n';
    }
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
    if (int code = needsRealFile(inv.command, inv.files.front(), err); code != kExitOk)
        return code;
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
    const PutResult put = putRecord(doc.store(), info->kind, input);
    if (put.outcome != PutResult::Written && put.outcome != PutResult::Unchanged) {
        printRefusal(err, inv.files.front(), *info, put);
        return kExitFailed;
    }
    doc.SetModifiedFlag(true);
    return finishChange(doc, inv, before, out, err);
}
