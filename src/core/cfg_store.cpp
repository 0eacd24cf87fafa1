#include "cfg_store.h"

#include <algorithm>

namespace {

// The target index of an exact or a "next after" lookup; -1 when there can be none.
long targetIndex(int exact, int occurrence) {
    const long target = exact ? occurrence : static_cast<long>(occurrence) + 1;
    return target < 0 ? -1 : target;
}

// The position in keys of the key called name with that index among its namesakes, or
// keys.size() when there is none.
std::size_t keyIndex(const std::vector<CfgKey>& keys, long occurrence, std::string_view name) {
    if (occurrence >= 0) {
        long count = 0;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i].name == name && count++ == occurrence)
                return i;
    }
    return keys.size();
}

} // namespace

std::size_t CfgStore::countSections(std::string_view name) const {
    const Occurrences* list = occurrences(name);
    return list ? list->size() : 0;
}

void CfgStore::appendSection(std::string_view name) {
    cfgAddSection(*this, static_cast<int>(countSections(name)), name);
}

void CfgStore::appendSection(std::string_view name, std::vector<CfgKey>& keys) {
    appendSection(name);
    // Exactly the room the keys need: the reader collects them before the section is made.
    m_sections.back().keys.assign(std::make_move_iterator(keys.begin()),
                                  std::make_move_iterator(keys.end()));
}

std::size_t CfgStore::bytesReserved() const {
    // Short strings live inside their object; longer ones hold a block of their own.
    auto text = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; };
    std::size_t bytes = m_sections.capacity() * sizeof(CfgSection);
    for (const CfgSection& s : m_sections) {
        bytes += sizeof(std::size_t) + text(s.name);
        bytes += s.keys.capacity() * sizeof(CfgKey);
        for (const CfgKey& k : s.keys)
            bytes += text(k.name) + text(k.value);
    }
    return bytes;
}

void CfgStore::shiftPositions(std::size_t from, long by) {
    for (auto& [name, list] : m_byName)
        for (std::size_t& position : list)
            if (position >= from)
                position = static_cast<std::size_t>(static_cast<long>(position) + by);
}

const CfgStore::Occurrences* CfgStore::occurrences(std::string_view name) const {
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : &it->second;
}

CfgSection* CfgStore::section(int occurrence, std::string_view name) {
    return const_cast<CfgSection*>(cfgFindSection(*this, 1, occurrence, name));
}

const CfgSection* cfgFindSection(const CfgStore& store, int exact, int occurrence,
                                 std::string_view name) {
    const long target = targetIndex(exact, occurrence);
    const CfgStore::Occurrences* list = store.occurrences(name);
    if (!list || target < 0 || static_cast<std::size_t>(target) >= list->size())
        return nullptr;
    return &store.m_sections[(*list)[static_cast<std::size_t>(target)]];
}

const CfgKey* cfgFindKey(const CfgStore&, const CfgSection* section, int exact, int occurrence,
                         std::string_view name) {
    if (!section)
        return nullptr;
    const std::size_t i = keyIndex(section->keys, targetIndex(exact, occurrence), name);
    return i < section->keys.size() ? &section->keys[i] : nullptr;
}

int cfgNextSection(const CfgStore& store, int& occurrence, std::string_view name) {
    if (!cfgFindSection(store, 0, occurrence, name))
        return 1;
    ++occurrence;
    return 0;
}

int cfgAddSection(CfgStore& store, int occurrence, std::string_view name) {
    if (occurrence < 0)
        return 1;
    ++store.m_changes;
    auto named = store.m_byName.find(name);
    if (named == store.m_byName.end())
        named = store.m_byName.emplace(std::string(name), CfgStore::Occurrences{}).first;
    CfgStore::Occurrences& list = named->second;
    const auto at = std::min(static_cast<std::size_t>(occurrence), list.size());
    // Before the section that has the index now, or after the last section of all.
    const std::size_t before = at < list.size() ? list[at] : store.m_sections.size();
    if (before < store.m_sections.size())
        store.shiftPositions(before, 1);
    store.m_sections.insert(store.m_sections.begin() + static_cast<std::ptrdiff_t>(before),
                            CfgSection{std::string(name), {}});
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), before);
    return 0;
}

int cfgDeleteSection(CfgStore& store, int occurrence, std::string_view name) {
    auto named = store.m_byName.find(name);
    if (occurrence < 0 || named == store.m_byName.end() ||
        static_cast<std::size_t>(occurrence) >= named->second.size())
        return 1;
    ++store.m_changes;
    CfgStore::Occurrences& list = named->second;
    const auto at = list.begin() + occurrence;
    const std::size_t position = *at;
    store.m_sections.erase(store.m_sections.begin() + static_cast<std::ptrdiff_t>(position));
    list.erase(at);
    if (list.empty())
        store.m_byName.erase(named);
    store.shiftPositions(position, -1);
    return 0;
}

int cfgFindSectionByValue(const CfgStore& store, int& occurrence, std::string_view section,
                          std::string_view key, std::string_view value) {
    occurrence = -1;
    const CfgStore::Occurrences* list = store.occurrences(section);
    if (!list)
        return 1;
    for (std::size_t i = 0; i < list->size(); ++i) {
        for (const CfgKey& k : store.m_sections[(*list)[i]].keys) {
            if (k.name == key && k.value == value) {
                occurrence = static_cast<int>(i);
                return 0;
            }
        }
    }
    return 2;
}

int cfgGetValue(const CfgStore& store, int sectionOccurrence, std::string_view section,
                int& keyOccurrence, std::string_view key, std::string& destination,
                std::size_t maxLength) {
    destination.clear();
    const CfgSection* s = cfgFindSection(store, 1, sectionOccurrence, section);
    if (!s)
        return 1;
    const CfgKey* k = cfgFindKey(store, s, 0, keyOccurrence, key);
    if (!k)
        return 2;
    destination.assign(k->value, 0, maxLength);
    ++keyOccurrence;
    return 0;
}

int cfgInsertKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key, std::string_view value) {
    CfgSection* s = store.section(sectionOccurrence, section);
    if (!s)
        return 1;
    ++store.m_changes;
    const std::size_t at = keyIndex(s->keys, keyOccurrence, key);
    s->keys.insert(s->keys.begin() + static_cast<std::ptrdiff_t>(at),
                   {std::string(key), std::string(value)});
    return at + 1 < s->keys.size() ? 0 : 2;
}

int cfgDeleteKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key) {
    CfgSection* s = store.section(sectionOccurrence, section);
    if (!s)
        return 1;
    const std::size_t at = keyIndex(s->keys, keyOccurrence, key);
    if (at == s->keys.size())
        return 2;
    ++store.m_changes;
    s->keys.erase(s->keys.begin() + static_cast<std::ptrdiff_t>(at));
    return 0;
}

void cfgClear(CfgStore& store) {
    ++store.m_changes;
    store.m_sections.clear();
    store.m_byName.clear();
    store.endOfInput = false;
}

void cfgCopy(const CfgStore& from, CfgStore& to) {
    if (&from == &to)
        return;
    ++to.m_changes;
    to.m_sections = from.m_sections;
    to.m_byName = from.m_byName;
    to.endOfInput = from.endOfInput;
}

bool cfgSameContent(const CfgStore& a, const CfgStore& b) {
    return a.sections() == b.sections();
}
