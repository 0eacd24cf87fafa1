#include "record_diff.h"

#include "midrange_records.h"
#include "record_fields.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <variant>

namespace {

// Which records are of one kind and name, whichever of several: a group number per record
// of either list, found through one hash map per kind over the names themselves.
struct Grouping {
    std::vector<int> before, after;
    std::vector<int> beforeCount, afterCount; // per group
};

class GroupNumbers {
public:
    int of(const RecordName& id) {
        std::unordered_map<std::string_view, int>& names = m_byKind[slot(id)];
        auto [it, added] = names.emplace(id.name, m_next);
        if (added)
            ++m_next;
        return it->second;
    }
    int count() const { return m_next; }

private:
    // The record families twice (with and without their name key), then other sections
    // by their name.
    std::size_t slot(const RecordName& id) {
        if (!id.otherSection)
            return static_cast<std::size_t>(id.family) * 2 + (id.nameless ? 1 : 0);
        auto [it, added] = m_sections.emplace(id.section, m_byKind.size());
        if (added)
            m_byKind.emplace_back();
        return it->second;
    }

    std::vector<std::unordered_map<std::string_view, int>> m_byKind{2 *
                                                                    std::variant_size_v<AnyRecord>};
    std::unordered_map<std::string_view, std::size_t> m_sections;
    int m_next = 0;
};

// The names are viewed where the records hold them: both lists must outlive the grouping's
// making, and do.
Grouping groupRecords(const std::vector<StoreRecord>& before,
                      const std::vector<StoreRecord>& after) {
    GroupNumbers numbers;
    Grouping g;
    g.before.reserve(before.size());
    g.after.reserve(after.size());
    for (const StoreRecord& r : before)
        g.before.push_back(numbers.of(r.id));
    for (const StoreRecord& r : after)
        g.after.push_back(numbers.of(r.id));
    g.beforeCount.assign(static_cast<std::size_t>(numbers.count()), 0);
    g.afterCount.assign(static_cast<std::size_t>(numbers.count()), 0);
    for (int n : g.before)
        ++g.beforeCount[static_cast<std::size_t>(n)];
    for (int n : g.after)
        ++g.afterCount[static_cast<std::size_t>(n)];
    return g;
}

// Records of one kind, for the order of the output.
using KindKey = std::tuple<bool, int, std::string>;

KindKey kindKeyOf(const RecordName& id) {
    return {id.otherSection, id.otherSection ? 0 : static_cast<int>(id.family),
            id.otherSection ? id.section : std::string()};
}

struct Group {
    std::vector<int> before, after;
};

void pairGroup(const Group& g, const std::vector<StoreRecord>& before,
               const std::vector<StoreRecord>& after, RecordPairs& pairs) {
    // Identical records first, so that a record taken out of a run of same-named ones is
    // the one reported removed; then the rest in their order.
    for (int a : g.after)
        for (int b : g.before)
            if (pairs.partnerOfBefore[b] < 0 && before[b].fields == after[a].fields) {
                pairs.partnerOfBefore[b] = a;
                pairs.partnerOfAfter[a] = b;
                break;
            }
    auto b = g.before.begin();
    for (int a : g.after) {
        if (pairs.partnerOfAfter[a] >= 0)
            continue;
        while (b != g.before.end() && pairs.partnerOfBefore[*b] >= 0)
            ++b;
        if (b == g.before.end())
            break;
        pairs.partnerOfBefore[*b] = a;
        pairs.partnerOfAfter[a] = *b;
    }
}

// The members of a group whose relative order changed: all but a longest run that kept
// its order, and of such runs the one whose members moved least, so that of two records
// swapped the one that went further is named. Members come in their new order.
std::vector<std::size_t> movedMembers(const std::vector<int>& oldPlaces,
                                      const std::vector<int>& newPlaces) {
    const std::size_t n = oldPlaces.size();
    std::vector<std::size_t> length(n, 1), previous(n, n);
    std::vector<long> distance(n);
    std::size_t best = n;
    for (std::size_t i = 0; i < n; ++i) {
        distance[i] = std::abs(oldPlaces[i] - newPlaces[i]);
        const long own = distance[i];
        for (std::size_t j = 0; j < i; ++j) {
            if (oldPlaces[j] >= oldPlaces[i])
                continue;
            if (length[j] + 1 > length[i] ||
                (length[j] + 1 == length[i] && distance[j] + own < distance[i])) {
                length[i] = length[j] + 1;
                distance[i] = distance[j] + own;
                previous[i] = j;
            }
        }
        if (best == n || length[i] > length[best] ||
            (length[i] == length[best] && distance[i] < distance[best]))
            best = i;
    }
    std::vector<bool> kept(n, false);
    for (std::size_t i = best; i < n; i = previous[i])
        kept[i] = true;
    std::vector<std::size_t> moved;
    for (std::size_t i = 0; i < n; ++i)
        if (!kept[i])
            moved.push_back(i);
    return moved;
}

bool markedDefault(const StoreRecord& r) {
    if (r.id.family != RecordFamily::MidrangeSystem || r.id.otherSection)
        return false;
    for (const RecordField& f : r.fields)
        if (f.name == keynames::kSystemDefault)
            return midrangeIsMarked(f.value);
    return false;
}

// Groups of records (indices into after, in its order) whose order the client looks at.
std::vector<std::vector<int>> orderedGroups(const std::vector<StoreRecord>& before,
                                            const std::vector<StoreRecord>& after,
                                            const Grouping& groups, const RecordPairs& pairs) {
    std::unordered_map<int, std::vector<int>> byName;
    std::vector<int> defaults;
    for (std::size_t a = 0; a < after.size(); ++a) {
        const int b = pairs.partnerOfAfter[a];
        if (b < 0)
            continue;
        const auto group = static_cast<std::size_t>(groups.after[a]);
        if (groups.beforeCount[group] > 1 || groups.afterCount[group] > 1)
            byName[groups.after[a]].push_back(static_cast<int>(a));
        if (markedDefault(after[a]) || markedDefault(before[static_cast<std::size_t>(b)]))
            defaults.push_back(static_cast<int>(a));
    }
    std::vector<std::vector<int>> ordered;
    for (auto& [group, members] : byName)
        ordered.push_back(std::move(members));
    // In the order of their first records, whatever the order of the hash map.
    std::sort(ordered.begin(), ordered.end(),
              [](const std::vector<int>& x, const std::vector<int>& y) { return x[0] < y[0]; });
    ordered.push_back(std::move(defaults));
    return ordered;
}

std::vector<RecordChange> moves(const std::vector<StoreRecord>& before,
                                const std::vector<StoreRecord>& after, const Grouping& groups,
                                const RecordPairs& pairs) {
    std::vector<RecordChange> out;
    for (const std::vector<int>& group : orderedGroups(before, after, groups, pairs)) {
        std::vector<int> oldPlaces, newPlaces;
        for (int a : group) {
            oldPlaces.push_back(before[static_cast<std::size_t>(pairs.partnerOfAfter[a])].place);
            newPlaces.push_back(after[static_cast<std::size_t>(a)].place);
        }
        for (std::size_t i : movedMembers(oldPlaces, newPlaces)) {
            const StoreRecord& r = after[static_cast<std::size_t>(group[i])];
            out.push_back({ChangeType::Moved, r.id, oldPlaces[i], r.place, {}});
        }
    }
    return out;
}

} // namespace

namespace {

RecordPairs pairGrouped(const std::vector<StoreRecord>& before,
                        const std::vector<StoreRecord>& after, const Grouping& g) {
    RecordPairs pairs;
    pairs.partnerOfBefore.assign(before.size(), -1);
    pairs.partnerOfAfter.assign(after.size(), -1);
    std::vector<Group> groups(g.beforeCount.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        groups[static_cast<std::size_t>(g.before[i])].before.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < after.size(); ++i)
        groups[static_cast<std::size_t>(g.after[i])].after.push_back(static_cast<int>(i));
    for (const Group& group : groups)
        if (!group.before.empty() && !group.after.empty())
            pairGroup(group, before, after, pairs);
    return pairs;
}

} // namespace

RecordPairs pairRecords(const std::vector<StoreRecord>& before,
                        const std::vector<StoreRecord>& after) {
    return pairGrouped(before, after, groupRecords(before, after));
}

std::vector<FieldChange> changedFields(const StoreRecord& a, const StoreRecord& b) {
    return changedFieldsOf(a.fields, b.fields);
}

std::vector<FieldChange> changedFieldsOf(const std::vector<RecordField>& older,
                                         const std::vector<RecordField>& newer) {
    std::vector<FieldChange> out;
    auto push = [&out](const RecordField& f, const std::string& before, const std::string& after) {
        if (f.password)
            out.push_back({f.name, {}, {}, false, true});
        else
            out.push_back({f.name, before, after, f.number, false});
    };
    // Records read by one reader have the same fields in the same order; only the keys of
    // another section can come and go.
    const bool sameFields =
        older.size() == newer.size() &&
        std::equal(older.begin(), older.end(), newer.begin(),
                   [](const RecordField& x, const RecordField& y) { return x.name == y.name; });
    if (sameFields) {
        for (std::size_t i = 0; i < older.size(); ++i)
            if (older[i].value != newer[i].value)
                push(newer[i], older[i].value, newer[i].value);
        return out;
    }
    std::map<std::string_view, const RecordField*> byOld, byNew;
    for (const RecordField& f : older)
        byOld.emplace(f.name, &f);
    for (const RecordField& f : newer)
        byNew.emplace(f.name, &f);
    for (const RecordField& f : newer) {
        auto it = byOld.find(f.name);
        if (it == byOld.end())
            push(f, {}, f.value);
        else if (it->second->value != f.value)
            push(f, it->second->value, f.value);
    }
    for (const RecordField& f : older)
        if (!byNew.count(f.name))
            push(f, f.value, {});
    return out;
}

namespace {

// Where a record's fields were not read with it, they are read now from its store.
const std::vector<RecordField>& fieldsOf(const CfgStore& store, const StoreRecord& r,
                                         StoreRecord& scratch) {
    if (r.fieldsRead)
        return r.fields;
    scratch.id = r.id;
    scratch.occurrence = r.occurrence;
    readRecordFields(store, scratch);
    return scratch.fields;
}

std::vector<RecordChange> diffWith(const std::vector<StoreRecord>& before,
                                   const std::vector<StoreRecord>& after, const Grouping& groups,
                                   const CfgStore& beforeStore, const CfgStore& afterStore) {
    const RecordPairs pairs = pairGrouped(before, after, groups);
    std::map<KindKey, std::vector<RecordChange>> byKind;
    std::vector<KindKey> kinds;
    auto bucket = [&](const RecordName& id) -> std::vector<RecordChange>& {
        const KindKey key = kindKeyOf(id);
        if (!byKind.count(key))
            kinds.push_back(key);
        return byKind[key];
    };
    StoreRecord scratchOld, scratchNew;
    for (std::size_t a = 0; a < after.size(); ++a) {
        const int b = pairs.partnerOfAfter[a];
        const StoreRecord& r = after[a];
        if (b < 0) {
            bucket(r.id).push_back({ChangeType::Added, r.id, 0, r.place, {}});
            continue;
        }
        const StoreRecord& old = before[static_cast<std::size_t>(b)];
        std::vector<FieldChange> fields = changedFieldsOf(fieldsOf(beforeStore, old, scratchOld),
                                                          fieldsOf(afterStore, r, scratchNew));
        if (!fields.empty())
            bucket(r.id).push_back({ChangeType::Changed, r.id, old.place, r.place, fields});
    }
    for (std::size_t b = 0; b < before.size(); ++b)
        if (pairs.partnerOfBefore[b] < 0)
            bucket(before[b].id)
                .push_back({ChangeType::Removed, before[b].id, before[b].place, 0, {}});
    for (RecordChange& m : moves(before, after, groups, pairs))
        bucket(m.id).push_back(std::move(m));
    std::stable_sort(kinds.begin(), kinds.end(), [&](const KindKey& x, const KindKey& y) {
        // Record kinds in the options list's order; other sections as they came.
        return !std::get<0>(x) && !std::get<0>(y) ? std::get<1>(x) < std::get<1>(y)
                                                  : !std::get<0>(x) && std::get<0>(y);
    });
    std::vector<RecordChange> out;
    for (const KindKey& k : kinds)
        for (RecordChange& c : byKind[k])
            out.push_back(std::move(c));
    return out;
}

// The fields that pairing and order look at: of records sharing their kind and name with
// another on either side, and of the midrange systems (their default mark orders them).
void readWhereNeeded(const CfgStore& store, std::vector<StoreRecord>& records,
                     const std::vector<int>& groupOf, const Grouping& g) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        StoreRecord& r = records[i];
        const auto group = static_cast<std::size_t>(groupOf[i]);
        if (g.beforeCount[group] > 1 || g.afterCount[group] > 1 ||
            (!r.id.otherSection && r.id.family == RecordFamily::MidrangeSystem))
            readRecordFields(store, r);
    }
}

} // namespace

std::vector<RecordChange> diffStores(const CfgStore& before, const CfgStore& after) {
    // A record's fields are read once it is paired, and only kept where they are needed,
    // so that two files of 100,000 records are compared in little more memory than read.
    std::vector<StoreRecord> was = storeRecords(before, false);
    std::vector<StoreRecord> now = storeRecords(after, false);
    const Grouping groups = groupRecords(was, now);
    readWhereNeeded(before, was, groups.before, groups);
    readWhereNeeded(after, now, groups.after, groups);
    return diffWith(was, now, groups, before, after);
}
