#include "cfg_doc.h"
#include "cfg_store.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "json_text.h"
#include "kind_argument.h"
#include "latin1_text.h"
#include "password_keys.h"
#include "put_record.h"
#include "record_json.h"
#include "tool_messages.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

namespace {

// The record's JSON is checked against the kind's fields before FILE is touched.
bool validInput(const RecordKind& kind, const Json& input, std::string& error) {
    AnyRecord record;
    kind.read(CfgStore(), {}, record); // a new record of the kind
    return applyJson(input, record, error);
}

// "FILE: kind NAME: error CODE: MESSAGE (field F)", or what would not read back.
void printRefusal(std::ostream& err, const std::string& file, const RecordKind& kind,
                  const PutResult& put) {
    err << file << ": " << kind.toolName;
    if (!put.name.empty())
        err << ' ' << lineText(latin1ToUtf8(put.name));
    err << ": ";
    if (put.outcome == PutResult::Refused) {
        err << errorLine(put.refusal) << '\n';
    } else if (put.outcome == PutResult::ReadsBackDifferently) {
        err << "field " << put.field << ": ";
        // A password is named, never shown.
        const bool password = passwordKeyOf(kind.section, put.field) != nullptr;
        err << (password ? std::string("the password") : jsonText(put.given));
        err << " would not read back as it was given";
        if (!password)
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
    const RecordKind* kind = kindArgument(inv, KindUse::OneRecord, err);
    if (!kind)
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
    if (!validInput(*kind, input, error))
        return useError(err, inv.command, std::string(kind->toolName) + ": " + error);

    CCfgDoc doc;
    FileBefore before;
    if (int code = openForChange(doc, inv, true, before, err); code != kExitOk)
        return code;
    const PutResult put = putRecord(doc.store(), *kind, input);
    if (put.outcome != PutResult::Written && put.outcome != PutResult::Unchanged) {
        printRefusal(err, inv.files.front(), *kind, put);
        return kExitFailed;
    }
    doc.SetModifiedFlag(true);
    return finishChange(doc, inv, before, out, err);
}
