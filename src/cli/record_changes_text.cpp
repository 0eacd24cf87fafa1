#include "record_changes_text.h"

#include "cfg_file.h"
#include "cfg_store.h"
#include "json_text.h"
#include "latin1_text.h"
#include "record_kinds.h"

#include <ostream>

namespace {

std::string_view changeWord(ChangeType type) {
    switch (type) {
    case ChangeType::Added:
        return "added";
    case ChangeType::Removed:
        return "removed";
    case ChangeType::Moved:
        return "moved";
    case ChangeType::Changed:
        break;
    }
    return "changed";
}

// "cpic PAYROLL", "cpic PAYROLL (2)" for the second of that name, "cpic (no SYMB_NAME)",
// "[TRACE]" for a section that no record reads.
std::string recordLabel(const RecordName& id) {
    std::string out;
    if (id.otherSection) {
        out = "[" + lineText(latin1ToUtf8(id.section)) + "]";
    } else {
        const RecordKind& kind = kindOf(id.family);
        out = std::string(kind.toolName);
        if (id.nameless)
            out += " (no " + std::string(kind.nameKey) + ")";
        else if (!id.name.empty())
            out += " " + lineText(latin1ToUtf8(id.name));
    }
    if (id.sameName > 1)
        out += " (" + std::to_string(id.sameName) + ")";
    return out;
}

std::string shownValue(const FieldChange& f, const std::string& value) {
    return f.number ? value : jsonText(jsonBytes(value));
}

Json valueJson(const FieldChange& f, const std::string& value) {
    return f.number ? Json(std::stol(value)) : jsonBytes(value);
}

Json fieldJson(const FieldChange& f) {
    Json j = Json::object();
    j["field"] = f.field;
    if (f.password) {
        j["changed"] = true;
    } else {
        j["old"] = valueJson(f, f.before);
        j["new"] = valueJson(f, f.after);
    }
    return j;
}

} // namespace

void printRecordChanges(std::ostream& out, const std::vector<RecordChange>& changes) {
    for (const RecordChange& c : changes) {
        const std::string label = recordLabel(c.id) + ": ";
        if (c.type == ChangeType::Moved)
            out << label << "moved from place " << c.beforePlace << " to place " << c.afterPlace
                << '\n';
        else if (c.type != ChangeType::Changed)
            out << label << changeWord(c.type) << '\n';
        for (const FieldChange& f : c.fields) {
            out << label << f.field;
            if (f.password)
                out << " changed\n";
            else
                out << ' ' << shownValue(f, f.before) << " -> " << shownValue(f, f.after) << '\n';
        }
    }
}

Json recordChangesJson(const std::vector<RecordChange>& changes) {
    Json all = Json::array();
    for (const RecordChange& c : changes) {
        Json j = Json::object();
        j["kind"] =
            c.id.otherSection ? std::string("section") : std::string(kindOf(c.id.family).toolName);
        j["name"] = jsonBytes(c.id.otherSection ? c.id.section : c.id.name);
        if (c.id.nameless)
            j["nameless"] = true;
        if (c.id.sameName > 1)
            j["same_name"] = c.id.sameName;
        j["change"] = changeWord(c.type);
        j["old_place"] = c.beforePlace;
        j["new_place"] = c.afterPlace;
        Json fields = Json::array();
        for (const FieldChange& f : c.fields)
            fields.push_back(fieldJson(f));
        j["fields"] = std::move(fields);
        all.push_back(std::move(j));
    }
    return all;
}

void printRecordSummary(std::ostream& out, const std::string& before, const std::string& after) {
    CfgStore was, now;
    if (cfgReadBuffer(was, before.data(), before.size()) != 0 ||
        cfgReadBuffer(now, after.data(), after.size()) != 0)
        return;
    printRecordChanges(out, diffStores(was, now));
}
