#include "record_merge.h"

#include "cfg_store.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "record_fields.h"
#include "record_text.h"
#include "section_names.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

ChangeType changeOf(int partner) {
    return partner < 0 ? ChangeType::Removed : ChangeType::Changed;
}

std::vector<FieldChange> fieldsAgainst(const StoreRecord& base,
                                       const std::vector<StoreRecord>& side, int partner) {
    return partner < 0 ? std::vector<FieldChange>{}
                       : changedFields(base, side[static_cast<std::size_t>(partner)]);
}

// The records one side added: those without a partner in base.
std::vector<StoreRecord> added(const std::vector<StoreRecord>& side,
                               const std::vector<int>& partnerInBase, std::vector<int>& index) {
    std::vector<StoreRecord> out;
    for (std::size_t i = 0; i < side.size(); ++i)
        if (partnerInBase[i] < 0) {
            out.push_back(side[i]);
            index.push_back(static_cast<int>(i));
        }
    return out;
}

// Records both sides added under one name: the same record is no conflict.
void planAdded(const RecordPairs& toMine, const RecordPairs& toTheirs, MergePlan& plan) {
    std::vector<int> mineIndex, theirIndex;
    const std::vector<StoreRecord> mineAdded =
        added(plan.mineRecords, toMine.partnerOfAfter, mineIndex);
    const std::vector<StoreRecord> theirAdded =
        added(plan.theirRecords, toTheirs.partnerOfAfter, theirIndex);
    const RecordPairs both = pairRecords(mineAdded, theirAdded);
    for (std::size_t i = 0; i < mineAdded.size(); ++i) {
        const int t = both.partnerOfBefore[i];
        if (t < 0) {
            plan.steps.push_back({mineIndex[i], -1, -1});
            continue;
        }
        const StoreRecord& theirs = theirAdded[static_cast<std::size_t>(t)];
        if (theirs.fields == mineAdded[i].fields)
            continue;
        plan.steps.push_back({mineIndex[i], theirIndex[static_cast<std::size_t>(t)],
                              static_cast<int>(plan.conflicts.size())});
        plan.conflicts.push_back({mineAdded[i].id,
                                  ChangeType::Added,
                                  ChangeType::Added,
                                  changedFields(theirs, mineAdded[i]),
                                  {},
                                  true});
    }
}

// The keys of section `occurrence` of its name, all removed.
void clearKeys(CfgStore& out, std::string_view section, int occurrence) {
    for (;;) {
        const CfgSection* s = cfgFindSection(out, 1, occurrence, section);
        if (!s || s->keys.empty())
            return;
        const std::string name = s->keys.front().name;
        cfgDeleteKey(out, occurrence, section, 0, name);
    }
}

// Appends the keys of mine's section to out's, but for one key left to another record.
void copyKeys(const CfgStore& mine, const StoreRecord& from, CfgStore& out, int occurrence,
              std::string_view skip) {
    const CfgSection* s = cfgFindSection(mine, 1, from.occurrence, from.id.section);
    if (!s)
        return;
    for (const CfgKey& k : s->keys)
        if (k.name != skip)
            cfgInsertKey(out, occurrence, from.id.section, INT_MAX, k.name, k.value);
}

std::string fieldValue(const StoreRecord& r, std::string_view field) {
    for (const RecordField& f : r.fields)
        if (f.name == field)
            return f.value;
    return {};
}

// What a record carries outside its own section: the default LUx profile is named in a
// section of its own, a midrange system's mark unmarks the others, and the APPC settings'
// load balancing is a key of GLOBAL. occurrence is the record's section in out.
void carryOutside(const CfgStore& mine, const StoreRecord& from, CfgStore& out, int occurrence) {
    if (from.id.otherSection || from.id.nameless)
        return;
    if (from.id.family == RecordFamily::Lux) {
        const bool isDefault = fieldValue(from, keynames::kLuxDefault) == "1";
        // Already named by theirs' first default section: left in place, not moved as a rewrite.
        if (!isDefault ||
            records::findByValue(out, kLuxDefaultSection, kLuxDefaultKey, from.id.name) != 0)
            luxMarkDefault(out, from.id.name, isDefault);
    } else if (from.id.family == RecordFamily::MidrangeSystem) {
        // Marked here, it is the only default, as the editor's choice leaves it, whichever
        // systems the file marked meanwhile; its own keys stay as mine has them.
        if (midrangeIsMarked(fieldValue(from, keynames::kSystemDefault)))
            midrangeSetDefaultSection(out, occurrence);
    } else if (from.id.family == RecordFamily::Appc) {
        std::string value;
        if (records::readFirst(mine, 0, sections::kGlobal, kLoadBalancingKey, value, INT_MAX))
            globalPutLoadBalancing(out, value);
        else
            cfgDeleteKey(out, 0, sections::kGlobal, 0, kLoadBalancingKey);
    }
}

bool firstOfKind(const RecordName& id) {
    return !id.otherSection && !kindOf(id.family).nameKey.empty();
}

void replaceRecord(const CfgStore& mine, const StoreRecord& from, const StoreRecord& at,
                   CfgStore& out) {
    const bool global = !at.id.otherSection && at.id.family == RecordFamily::Global;
    std::string loadBalancing;
    const bool keepLoadBalancing =
        global &&
        records::readFirst(out, 0, sections::kGlobal, kLoadBalancingKey, loadBalancing, INT_MAX);
    clearKeys(out, at.id.section, at.occurrence);
    copyKeys(mine, from, out, at.occurrence, global ? kLoadBalancingKey : std::string_view());
    if (keepLoadBalancing)
        globalInsertLoadBalancing(out, loadBalancing);
    carryOutside(mine, from, out, at.occurrence);
}

void addRecord(const CfgStore& mine, const StoreRecord& from, CfgStore& out) {
    const std::string_view section = from.id.section;
    int occurrence = 0;
    if (firstOfKind(from.id)) {
        records::addFirstSection(out, section);
    } else {
        occurrence = static_cast<int>(out.countSections(section));
        cfgAddSection(out, occurrence, section);
    }
    copyKeys(mine, from, out, occurrence, {});
    carryOutside(mine, from, out, occurrence);
}

void removeRecord(const StoreRecord& at, CfgStore& out) {
    cfgDeleteSection(out, at.occurrence, at.id.section);
    if (!at.id.otherSection && at.id.family == RecordFamily::Lux)
        luxDropDefaultWithoutProfiles(out);
}

} // namespace

MergePlan planMerge(const CfgStore& base, const CfgStore& mine, const CfgStore& theirs) {
    MergePlan plan;
    const std::vector<StoreRecord> was = storeRecords(base);
    plan.mineRecords = storeRecords(mine);
    plan.theirRecords = storeRecords(theirs);
    const RecordPairs toMine = pairRecords(was, plan.mineRecords);
    const RecordPairs toTheirs = pairRecords(was, plan.theirRecords);
    for (std::size_t b = 0; b < was.size(); ++b) {
        const int m = toMine.partnerOfBefore[b];
        const int t = toTheirs.partnerOfBefore[b];
        auto changed = [&](const std::vector<StoreRecord>& side, int i) {
            return i < 0 || side[static_cast<std::size_t>(i)].fields != was[b].fields;
        };
        if (!changed(plan.mineRecords, m))
            continue;
        if (!changed(plan.theirRecords, t)) {
            plan.steps.push_back({m, t, -1});
            continue;
        }
        // Both removed it, or both made it the same: nothing to bring over.
        if (m < 0 && t < 0)
            continue;
        if (m >= 0 && t >= 0 &&
            plan.mineRecords[static_cast<std::size_t>(m)].fields ==
                plan.theirRecords[static_cast<std::size_t>(t)].fields)
            continue;
        plan.steps.push_back({m, t, static_cast<int>(plan.conflicts.size())});
        plan.conflicts.push_back({was[b].id, changeOf(m), changeOf(t),
                                  fieldsAgainst(was[b], plan.mineRecords, m),
                                  fieldsAgainst(was[b], plan.theirRecords, t), true});
    }
    planAdded(toMine, toTheirs, plan);
    return plan;
}

void applyMerge(const MergePlan& plan, const CfgStore& mine, const CfgStore& theirs,
                CfgStore& out) {
    cfgCopy(theirs, out);
    std::vector<const StoreRecord*> removals, additions;
    for (const MergePlan::Step& step : plan.steps) {
        if (step.conflict >= 0 && !plan.conflicts[static_cast<std::size_t>(step.conflict)].takeMine)
            continue;
        const StoreRecord* from =
            step.mine < 0 ? nullptr : &plan.mineRecords[static_cast<std::size_t>(step.mine)];
        const StoreRecord* at =
            step.theirs < 0 ? nullptr : &plan.theirRecords[static_cast<std::size_t>(step.theirs)];
        // Replacing keys moves no section, so theirs' places hold until the removals.
        if (from && at)
            replaceRecord(mine, *from, *at, out);
        else if (at)
            removals.push_back(at);
        else if (from)
            additions.push_back(from);
    }
    // The last first, so that the places of the others stay as theirs gives them.
    std::sort(removals.begin(), removals.end(), [](const StoreRecord* a, const StoreRecord* b) {
        return a->occurrence > b->occurrence;
    });
    for (const StoreRecord* at : removals)
        removeRecord(*at, out);
    // A record that goes first among its kind is added last to first, one that goes to
    // the end first to last, so that either way they keep mine's order.
    std::sort(additions.begin(), additions.end(), [](const StoreRecord* a, const StoreRecord* b) {
        return a->occurrence < b->occurrence;
    });
    for (auto it = additions.rbegin(); it != additions.rend(); ++it)
        if (firstOfKind((*it)->id))
            addRecord(mine, **it, out);
    for (const StoreRecord* from : additions)
        if (!firstOfKind(from->id))
            addRecord(mine, *from, out);
}
