#include "store_records.h"

#include "cfg_store.h"
#include "global_records.h"
#include "lux_records.h"
#include "record_fields.h"
#include "record_text.h"

#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>

namespace {

class Fields {
public:
    explicit Fields(std::vector<RecordField>& out) : m_out(out) {}
    void text(std::string name, std::string value) {
        m_out.push_back({std::move(name), std::move(value), false, false});
    }
    void number(std::string name, int value) {
        m_out.push_back({std::move(name), std::to_string(value), true, false});
    }
    void password(std::string name, std::string value) {
        m_out.push_back({std::move(name), std::move(value), false, true});
    }

private:
    std::vector<RecordField>& m_out;
};

std::string indexed(std::string_view list, int row, std::string_view part) {
    return std::string(list) + "[" + std::to_string(row) + "]." + std::string(part);
}

// The fields of each family's record, as the table of kinds reads it from its section: for
// a record of single keys each key but the one that names it.
template <class Record> void keyFieldsOf(const Record& r, Fields f, std::string_view nameKey) {
    for (const KeyField<Record>& k : kKeyFields<Record>) {
        if (k.key == nameKey)
            continue;
        if (k.form == FieldForm::Number)
            f.number(std::string(k.key), r.*k.number);
        else if (k.form == FieldForm::Password)
            f.password(std::string(k.key), r.*k.text);
        else
            f.text(std::string(k.key), r.*k.text);
    }
}

void fieldsOf(const CfgStore&, const AppcRecord& r, Fields f) {
    f.number(keynames::kSelect, r.selection);
    f.number(std::string(kLoadBalancingKey), r.loadBalancing);
    for (int i = 0; i < static_cast<int>(kRowCount); ++i)
        for (const ServerPart& part : kServerParts)
            f.text(indexed(keynames::kServer, i, part.name),
                   (r.*part.list)[static_cast<std::size_t>(i)]);
    for (const RowPart<AppcRecord>& part : kScopeParts)
        f.text(std::string(keynames::kScope) + "." + std::string(part.name), r.*part.text);
}

void fieldsOf(const CfgStore& store, const LuxProfileRecord& r, Fields f) {
    const bool isDefault = !r.profileName.empty() && luxIsDefaultProfile(store, r.profileName);
    f.number(keynames::kLuxDefault, isDefault ? 1 : 0);
    for (int i = 0; i < static_cast<int>(kRowCount); ++i) {
        const LuxLink& link = r.links[static_cast<std::size_t>(i)];
        for (const RowPart<LuxLink>& part : kLinkParts) {
            if (part.number)
                f.number(indexed(keynames::kSession, i, part.name), link.*part.number);
            else
                f.text(indexed(keynames::kSession, i, part.name), link.*part.text);
        }
    }
}

void readFields(const CfgStore& store, const RecordKind& k, int occurrence,
                std::vector<RecordField>& fields) {
    AnyRecord record;
    k.readSection(store, occurrence, record);
    std::visit(
        [&]<class Record>(const Record& r) {
            if constexpr (isKeyRecord<Record>)
                keyFieldsOf(r, Fields(fields), k.nameKey);
            else
                fieldsOf(store, r, Fields(fields));
        },
        record);
}

// Numbers the records of one kind that share a name: 1, 2, ... The names are viewed where
// the records hold them, once the list is complete and nothing moves any more.
void numberSameNames(std::vector<StoreRecord>& records) {
    std::unordered_map<std::string_view, int> seen[2]; // with and without their name key
    for (std::size_t i = 0; i < records.size(); ++i) {
        RecordName& id = records[i].id;
        if (id.otherSection)
            continue;
        if (i > 0 && records[i - 1].id.family != id.family) {
            seen[0].clear();
            seen[1].clear();
        }
        id.sameName = ++seen[id.nameless ? 1 : 0][id.name];
    }
}

void readKind(const CfgStore& store, const RecordKind& k, bool withFields,
              std::vector<StoreRecord>& out) {
    const int count = static_cast<int>(store.countSections(k.section));
    const int records = k.nameKey.empty() ? std::min(count, 1) : count;
    for (int s = 0; s < records; ++s) {
        StoreRecord r;
        r.id.family = *k.family;
        r.id.section = k.section;
        if (!k.nameKey.empty())
            r.id.nameless =
                !records::readFirst(store, s, k.section, k.nameKey, r.id.name, k.listedLength);
        r.occurrence = s;
        r.place = s + 1;
        if (withFields) {
            readFields(store, k, s, r.fields);
            r.fieldsRead = true;
        }
        out.push_back(std::move(r));
    }
}

// A section no reader reads, key by key; a repeated key is named by its number.
void otherFields(const CfgSection& s, std::vector<RecordField>& fields) {
    std::map<std::string_view, int> seen;
    Fields f(fields);
    for (const CfgKey& k : s.keys) {
        const int n = ++seen[k.name];
        f.text(n == 1 ? k.name : k.name + "[" + std::to_string(n) + "]", k.value);
    }
}

} // namespace

bool isRecordSection(std::string_view section) {
    for (const RecordKind& k : recordKinds())
        if (k.family && section == k.section)
            return true;
    return section == kLuxDefaultSection;
}

void readRecordFields(const CfgStore& store, StoreRecord& record) {
    record.fields.clear();
    record.fieldsRead = true;
    if (record.id.otherSection) {
        if (const CfgSection* s = cfgFindSection(store, 1, record.occurrence, record.id.section))
            otherFields(*s, record.fields);
        return;
    }
    readFields(store, kindOf(record.id.family), record.occurrence, record.fields);
}

std::vector<StoreRecord> storeRecords(const CfgStore& store, bool withFields) {
    std::vector<StoreRecord> out;
    // The families in the table's order, which is the options list's.
    for (const RecordKind& k : recordKinds())
        if (k.family)
            readKind(store, k, withFields, out);
    numberSameNames(out);
    std::map<std::string_view, int> seen;
    for (const CfgSection& s : store.sections()) {
        const std::string_view name = s.name;
        if (isRecordSection(name))
            continue;
        StoreRecord r;
        r.id.otherSection = true;
        r.id.section = name;
        r.occurrence = seen[name]++;
        r.place = r.occurrence + 1;
        r.id.sameName = r.place;
        if (withFields) {
            otherFields(s, r.fields);
            r.fieldsRead = true;
        }
        out.push_back(std::move(r));
    }
    return out;
}
