#include "cfg_store.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "json_text.h"
#include "kind_argument.h"
#include "latin1_text.h"
#include "messages.h"
#include "record_kinds.h"
#include "tool_messages.h"

#include <ostream>
#include <span>

namespace {

struct KindEntries {
    std::string_view kind;
    std::vector<std::string> entries; // UTF-8
    bool label = false;               // a one-record kind's text of the language library
};

// One line per entry, KIND<TAB>ENTRY, or with json one object of an array per kind.
void printEntries(const std::vector<KindEntries>& listed, bool json, std::ostream& out) {
    if (!json) {
        for (const KindEntries& k : listed)
            for (const std::string& e : k.entries)
                out << k.kind << '\t' << lineText(e) << '\n';
        return;
    }
    Json j = Json::object();
    for (const KindEntries& k : listed) {
        Json entries = Json::array();
        // Scripts read the JSON in every language: a one-record kind's entry is its kind
        // name there, not the translated text.
        for (const std::string& e : k.entries)
            entries.push_back(k.label ? std::string(k.kind) : e);
        j[std::string(k.kind)] = std::move(entries);
    }
    out << jsonText(j) << '\n';
}

} // namespace

int runList(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err) {
    const RecordKind* only = nullptr;
    if (inv.hasKind && !(only = kindArgument(inv, KindUse::Listing, err)))
        return kExitUsage;

    CfgStore store;
    if (int code = readConfigurationInput(store, inv.files.front(), in, err); code != kExitOk)
        return code;

    int exitCode = kExitOk;
    std::vector<KindEntries> listed;
    // The options list's order and, per kind, what its records list shows; the systems
    // alone are the midrange editor's list of host names.
    for (const RecordKind& kind : only ? std::span(only, 1) : optionKinds()) {
        std::vector<std::string> entries;
        if (!kind.list(store, entries)) {
            printError(err, ErrorCode::Store);
            exitCode = kExitFailed;
        }
        KindEntries k{kind.toolName, {}, kind.oneRecordOnly};
        // One-record kinds show a text of the language library; the others, names from
        // the file.
        for (const std::string& e : entries)
            k.entries.push_back(kind.oneRecordOnly ? e : latin1ToUtf8(e));
        listed.push_back(std::move(k));
    }

    printEntries(listed, inv.json, out);
    return exitCode;
}
