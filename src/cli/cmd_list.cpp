#include "cfg_doc.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "json_text.h"
#include "latin1.h"
#include "messages.h"
#include "midrange_records.h"
#include "option_kinds.h"
#include "tool_kinds.h"
#include "tool_messages.h"

#include <ostream>

namespace {

struct KindEntries {
    std::string_view kind;
    std::vector<std::string> entries; // UTF-8
    bool label = false;               // a one-record kind's text of the language library
};

const ToolKindInfo* kindOfOption(int optionKind) {
    for (ToolKind k : optionListOrder())
        if (kindInfo(k).optionKind == optionKind)
            return &kindInfo(k);
    return nullptr;
}

// One line per entry, KIND<TAB>ENTRY, or with json one object of an array per kind.
void printEntries(const std::vector<KindEntries>& listed, bool json, std::ostream& out) {
    if (!json) {
        for (const KindEntries& k : listed)
            for (const std::string& e : k.entries)
                out << k.kind << '\t' << e << '\n';
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
    const ToolKindInfo* only = nullptr;
    if (inv.hasKind) {
        only = findKind(inv.kind);
        if (!only)
            return useError(err, inv.command,
                            "unknown KIND '" + inv.kind + "' (one of " +
                                std::string(kindNamesText()) + ")");
        if (only->kind == ToolKind::Common)
            return useError(err, inv.command,
                            "the common settings are one record; use 'get FILE common'");
    }

    CCfgDoc doc;
    if (int code = readConfigurationInput(doc.store(), inv.files.front(), in, err); code != kExitOk)
        return code;

    int exitCode = kExitOk;
    std::vector<KindEntries> listed;
    if (only && only->kind == ToolKind::System) {
        // The systems list of the midrange editor: the host names.
        std::vector<std::string> names;
        std::string defaultName;
        if (!midrangeListSystems(doc.store(), names, defaultName)) {
            printError(err, kErrStore);
            exitCode = kExitFailed;
        }
        KindEntries k{only->name, {}};
        for (const std::string& n : names)
            k.entries.push_back(latin1ToUtf8(n));
        listed.push_back(std::move(k));
    } else {
        // The options list's order and, per kind, what its records list shows.
        for (const OptionKind& option : optionKinds()) {
            const ToolKindInfo* info = kindOfOption(option.kind);
            if (!info || (only && only->optionKind != option.kind))
                continue;
            std::vector<std::string> entries;
            if (!doc.ListOptionRecords(option.kind, entries)) {
                printError(err, kErrStore);
                exitCode = kExitFailed;
            }
            KindEntries k{info->name, {}, option.oneRecordOnly};
            // One-record kinds show a text of the language library; the others, names
            // from the file.
            for (const std::string& e : entries)
                k.entries.push_back(option.oneRecordOnly ? e : latin1ToUtf8(e));
            listed.push_back(std::move(k));
        }
    }

    printEntries(listed, inv.json, out);
    return exitCode;
}
