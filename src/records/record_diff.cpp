#include "record_diff.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>
#include <tuple>

namespace {

// Records of one kind and name, whichever of several.
using GroupKey = std::tuple<int, bool, std::string, bool, std::string>;

GroupKey groupOf(const RecordName& id) {
    return {static_cast<int>(id.family), id.otherSection, id.section, id.nameless, id.name};
}

// Records of one kind, for the order of the output.
using KindKey = std::tuple<bool, int, std::string>;

KindKey kindOf(const RecordName& id) {
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
        if (f.name == "DEFAULT")
            return !f.value.empty() && f.value[0] == '1';
    return false;
}

// Groups of records (indices into after, in its order) whose order the client looks at.
std::vector<std::vector<int>> orderedGroups(const std::vector<StoreRecord>& before,
                                            const std::vector<StoreRecord>& after,
                                            const RecordPairs& pairs) {
    std::map<GroupKey, std::vector<int>> byName;
    std::map<GroupKey, std::size_t> sizes;
    std::vector<int> defaults;
    for (const StoreRecord& r : before)
        ++sizes[groupOf(r.id)];
    for (std::size_t a = 0; a < after.size(); ++a) {
        const int b = pairs.partnerOfAfter[a];
        if (b < 0)
            continue;
        byName[groupOf(after[a].id)].push_back(static_cast<int>(a));
        if (markedDefault(after[a]) || markedDefault(before[static_cast<std::size_t>(b)]))
            defaults.push_back(static_cast<int>(a));
    }
    std::vector<std::vector<int>> groups;
    for (auto& [key, members] : byName)
        if (members.size() > 1 || sizes[key] > 1)
            groups.push_back(std::move(members));
    groups.push_back(std::move(defaults));
    return groups;
}

std::vector<RecordChange> moves(const std::vector<StoreRecord>& before,
                                const std::vector<StoreRecord>& after, const RecordPairs& pairs) {
    std::vector<RecordChange> out;
    for (const std::vector<int>& group : orderedGroups(before, after, pairs)) {
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

RecordPairs pairRecords(const std::vector<StoreRecord>& before,
                        const std::vector<StoreRecord>& after) {
    RecordPairs pairs;
    pairs.partnerOfBefore.assign(before.size(), -1);
    pairs.partnerOfAfter.assign(after.size(), -1);
    std::map<GroupKey, Group> groups;
    for (std::size_t i = 0; i < before.size(); ++i)
        groups[groupOf(before[i].id)].before.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < after.size(); ++i)
        groups[groupOf(after[i].id)].after.push_back(static_cast<int>(i));
    for (const auto& [key, group] : groups)
        if (!group.before.empty() && !group.after.empty())
            pairGroup(group, before, after, pairs);
    return pairs;
}

std::vector<FieldChange> changedFields(const StoreRecord& a, const StoreRecord& b) {
    // Both records are read by one reader, so their fields are the same; only the keys of
    // another section can come and go.
    std::map<std::string_view, const RecordField*> older, newer;
    for (const RecordField& f : a.fields)
        older.emplace(f.name, &f);
    for (const RecordField& f : b.fields)
        newer.emplace(f.name, &f);
    std::vector<FieldChange> out;
    auto push = [&out](const RecordField& f, const std::string& before, const std::string& after) {
        if (f.password)
            out.push_back({f.name, {}, {}, false, true});
        else
            out.push_back({f.name, before, after, f.number, false});
    };
    for (const RecordField& f : b.fields) {
        auto it = older.find(f.name);
        if (it == older.end())
            push(f, {}, f.value);
        else if (it->second->value != f.value)
            push(f, it->second->value, f.value);
    }
    for (const RecordField& f : a.fields)
        if (!newer.count(f.name))
            push(f, f.value, {});
    return out;
}

std::vector<RecordChange> diffRecords(const std::vector<StoreRecord>& before,
                                      const std::vector<StoreRecord>& after) {
    const RecordPairs pairs = pairRecords(before, after);
    std::map<KindKey, std::vector<RecordChange>> byKind;
    std::vector<KindKey> kinds;
    auto bucket = [&](const RecordName& id) -> std::vector<RecordChange>& {
        const KindKey key = kindOf(id);
        if (!byKind.count(key))
            kinds.push_back(key);
        return byKind[key];
    };
    for (std::size_t a = 0; a < after.size(); ++a) {
        const int b = pairs.partnerOfAfter[a];
        const StoreRecord& r = after[a];
        if (b < 0) {
            bucket(r.id).push_back({ChangeType::Added, r.id, 0, r.place, {}});
            continue;
        }
        const StoreRecord& old = before[static_cast<std::size_t>(b)];
        std::vector<FieldChange> fields = changedFields(old, r);
        if (!fields.empty())
            bucket(r.id).push_back({ChangeType::Changed, r.id, old.place, r.place, fields});
    }
    for (std::size_t b = 0; b < before.size(); ++b)
        if (pairs.partnerOfBefore[b] < 0)
            bucket(before[b].id)
                .push_back({ChangeType::Removed, before[b].id, before[b].place, 0, {}});
    for (RecordChange& m : moves(before, after, pairs))
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

std::vector<RecordChange> diffStores(const CfgStore& before, const CfgStore& after) {
    return diffRecords(storeRecords(before), storeRecords(after));
}
