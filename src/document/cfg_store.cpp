#include "cfg_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <unordered_map>

// Interned names: every section and key name is held once.
class CfgStore::Names {
public:
    // Short names (every name a file can hold) go through a small direct-mapped cache
    // first: a file repeats a handful of names a million times, and every record read asks
    // for its key names again.
    std::uint32_t intern(std::string_view name) {
        return lookup(name, [this, name] {
            m_texts.emplace_back(name);
            auto id = static_cast<std::uint32_t>(m_texts.size() - 1);
            m_ids.emplace(std::string_view(m_texts.back()), id);
            return id;
        });
    }
    // kNone when the name was never stored: then nothing can carry it.
    std::uint32_t find(std::string_view name) const {
        return lookup(name, [] { return kNone; });
    }
    std::string_view text(std::uint32_t id) const { return m_texts[id]; }
    void clear() {
        m_ids.clear();
        m_texts.clear();
        m_cache.fill(Slot{});
    }
    std::size_t bytes() const {
        return m_texts.size() * (sizeof(std::string) + 48) + sizeof(m_cache);
    }

private:
    // The id of name through the cache; `missing` gives the id of a name never stored.
    template <typename Missing> std::uint32_t lookup(std::string_view name, Missing missing) const {
        PackedName key;
        Slot* slot = nullptr;
        if (PackedName::pack(name, key)) {
            slot = &m_cache[key.hash() & (kCacheSize - 1)];
            if (slot->id != kNone && slot->key == key)
                return slot->id;
        }
        auto it = m_ids.find(name);
        std::uint32_t id = it != m_ids.end() ? it->second : missing();
        if (slot && id != kNone) {
            slot->key = key;
            slot->id = id;
        }
        return id;
    }

    struct Slot {
        PackedName key;
        std::uint32_t id = kNone;
    };
    static constexpr std::size_t kCacheSize = 256;

    std::deque<std::string> m_texts;
    std::unordered_map<std::string_view, std::uint32_t> m_ids;
    mutable std::array<Slot, kCacheSize> m_cache{};
};

// Finding a record by its identifying value walks every section of the kind. Readers that
// look up many records in turn (opening a file reads each LUx profile by name) would make
// that quadratic, so repeated lookups of the same section and key name without a change in
// between build a map from value to first occurrence, used until the store changes. A few
// lookups, as one record write makes, walk: building the map would cost more.
class CfgStore::ValueIndex {
public:
    static constexpr int kIndexAfterLookups = 4;

    struct Entry {
        std::uint64_t generation = 0;
        int lookups = 0;
        bool built = false;
        std::unordered_map<std::string_view, int> firstOccurrence;
    };
    Entry& entry(std::uint32_t section, std::uint32_t key, std::uint64_t generation) {
        Entry& e = m_entries[(static_cast<std::uint64_t>(section) << 32) | key];
        if (e.generation != generation) {
            e.generation = generation;
            e.lookups = 0;
            e.built = false;
            e.firstOccurrence.clear();
        }
        return e;
    }
    void clear() { m_entries.clear(); }

private:
    std::unordered_map<std::uint64_t, Entry> m_entries;
};

CfgStore::CfgStore()
    : m_names(std::make_unique<Names>()), m_valueIndex(std::make_unique<ValueIndex>()) {}

CfgStore::~CfgStore() = default;

const CfgSection* CfgStore::firstSection() const {
    return m_first == kNone ? nullptr : &sec(m_first).handle;
}
const CfgSection* CfgStore::nextSection(const CfgSection* s) const {
    std::uint32_t n = sec(s->index).next;
    return n == kNone ? nullptr : &sec(n).handle;
}
const CfgKey* CfgStore::firstKey(const CfgSection* s) const {
    std::uint32_t k = sec(s->index).firstKey;
    return k == kNone ? nullptr : &key(k).handle;
}
const CfgKey* CfgStore::nextKey(const CfgKey* k) const {
    std::uint32_t n = key(k->index).next;
    return n == kNone ? nullptr : &key(n).handle;
}
std::string_view CfgStore::sectionName(const CfgSection* s) const {
    return m_names->text(sec(s->index).name);
}
std::string_view CfgStore::keyName(const CfgKey* k) const {
    return m_names->text(key(k->index).name);
}
std::string_view CfgStore::keyValue(const CfgKey* k) const {
    return key(k->index).text();
}

std::size_t CfgStore::bytesReserved() const {
    std::size_t index = 0;
    for (const auto& v : m_byName)
        index += v.capacity() * sizeof(std::uint32_t) + sizeof(v);
    return m_blocks.held() + m_names->bytes() + index;
}

const std::vector<std::uint32_t>* CfgStore::occurrences(std::string_view name) const {
    std::uint32_t id = m_names->find(name);
    if (id == kNone || id >= m_byName.size())
        return nullptr;
    return &m_byName[id];
}

std::size_t CfgStore::countSections(std::string_view name) const {
    const auto* list = occurrences(name);
    return list ? list->size() : 0;
}

std::vector<std::uint32_t>& CfgStore::occurrencesOf(std::uint32_t nameId) {
    if (nameId >= m_byName.size())
        m_byName.resize(nameId + 1);
    return m_byName[nameId];
}

std::uint32_t CfgStore::newSection(std::uint32_t nameId) {
    ++m_generation;
    std::uint32_t i = m_sections.allocate();
    SectionNode& s = sec(i);
    s.handle.index = i;
    s.next = s.prev = kNone;
    s.firstKey = s.lastKey = kNone;
    s.name = nameId;
    ++m_sectionCount;
    return i;
}

std::uint32_t CfgStore::newKey(std::string_view name, std::string_view value) {
    return newKey(m_names->intern(name), value);
}

// Links section s before `before`, or at the end of the store when before is kNone.
void CfgStore::linkSectionBefore(std::uint32_t s, std::uint32_t before) {
    SectionNode& n = sec(s);
    if (before == kNone) {
        n.prev = m_last;
        n.next = kNone;
        if (m_last != kNone)
            sec(m_last).next = s;
        else
            m_first = s;
        m_last = s;
        return;
    }
    SectionNode& b = sec(before);
    n.next = before;
    n.prev = b.prev;
    if (b.prev != kNone)
        sec(b.prev).next = s;
    else
        m_first = s;
    b.prev = s;
}

void CfgStore::freeSectionKeys(SectionNode& s) {
    for (std::uint32_t k = s.firstKey; k != kNone;) {
        std::uint32_t next = key(k).next;
        m_keys.release(k);
        k = next;
    }
    s.firstKey = s.lastKey = kNone;
}

// The key of that name with that index in the section, or kNone; prevOut receives the key
// before it in the section (kNone for the first key).
std::uint32_t CfgStore::keyAt(const SectionNode& s, std::uint32_t nameId, int occurrence,
                              std::uint32_t* prevOut) const {
    if (occurrence < 0 || nameId == kNone)
        return kNone;
    int count = 0;
    std::uint32_t prev = kNone;
    for (std::uint32_t k = s.firstKey; k != kNone; prev = k, k = key(k).next) {
        if (key(k).name != nameId)
            continue;
        if (count++ == occurrence) {
            if (prevOut)
                *prevOut = prev;
            return k;
        }
    }
    return kNone;
}

void CfgStore::appendSection(std::string_view name) {
    appendSection(m_names->intern(name));
}

std::uint32_t CfgStore::appendSection(std::uint32_t nameId) {
    std::uint32_t s = newSection(nameId);
    linkSectionBefore(s, kNone);
    occurrencesOf(nameId).push_back(s);
    return s;
}

void CfgStore::appendKeyToLast(std::string_view name, std::string_view value) {
    if (m_last == kNone)
        return;
    std::uint32_t k = newKey(name, value);
    SectionNode& s = sec(m_last);
    if (s.lastKey == kNone)
        s.firstKey = k;
    else
        key(s.lastKey).next = k;
    s.lastKey = k;
}

CfgStore::Loader::Loader(CfgStore& store, std::size_t fileBytes) : m_store(store) {
    store.m_blocks.expect(fileBytes);
    if (store.m_last != kNone) {
        m_section = &store.sec(store.m_last);
        if (m_section->lastKey != kNone)
            m_lastKey = &store.key(m_section->lastKey);
        m_keyOrder.resize(m_section->name + 1);
        m_order = &m_keyOrder[m_section->name];
    }
}

CfgStore::Loader::~Loader() {
    if (m_runLeft)
        m_store.m_keys.returnRun(m_runIndex + m_runLeft, m_runLeft);
}

void CfgStore::Loader::section(std::string_view name) {
    // A file has a handful of kinds of section, in runs and turns: the last few names
    // answer nearly every section without a lookup.
    PackedName packed;
    std::uint32_t id = kNone;
    if (PackedName::pack(name, packed)) {
        for (const RecentName& recent : m_recentSections)
            if (recent.name == packed)
                id = recent.id;
    }
    if (id == kNone) {
        id = m_store.m_names->intern(name);
        if (packed.length != PackedName{}.length)
            m_recentSections[m_nextRecent++ % m_recentSections.size()] = {packed, id};
    }
    std::uint32_t s = m_store.appendSection(id);
    m_section = &m_store.sec(s);
    m_lastKey = nullptr;
    if (m_section->name >= m_keyOrder.size())
        m_keyOrder.resize(m_section->name + 1);
    m_order = &m_keyOrder[m_section->name];
    m_position = 0;
}

std::uint32_t CfgStore::internName(std::string_view name) {
    return m_names->intern(name);
}

// Calls visit(position, section node) for the listed sections in order until it returns
// true; gives the position where it stopped, or the list's size. The sections of one kind
// lie apart in memory, so the nodes a few steps ahead (and then the value of their first
// key) are asked for while one is visited: the walk then waits on memory about once, not
// once per record.
template <int KeyLines, typename Visit>
std::size_t CfgStore::walk(const std::vector<std::uint32_t>& sections, Visit visit) const {
    constexpr std::size_t kAhead = 16;
    const std::size_t n = sections.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i + 2 * kAhead < n)
            __builtin_prefetch(&sec(sections[i + 2 * kAhead]));
        // A first key asked for earlier is at hand by now: its value, when it lies apart.
        if (i + kAhead / 4 < n) {
            std::uint32_t first = sec(sections[i + kAhead / 4]).firstKey;
            if (first != kNone && key(first).valueLen > kInlineValue)
                __builtin_prefetch(key(first).value.far);
        }
        if (i + kAhead < n) {
            // A section's keys were mostly made one after the other: ask for the lines that
            // the visit is going to read.
            std::uint32_t first = sec(sections[i + kAhead]).firstKey;
            if (first != kNone) {
                const char* at = reinterpret_cast<const char*>(&key(first));
                for (int line = 0; line < KeyLines; ++line)
                    __builtin_prefetch(at + 64 * line);
            }
        }
        if (visit(i, sec(sections[i])))
            return i;
    }
    return n;
}

bool CfgStore::firstValues(std::string_view section, std::string_view key, std::size_t maxLength,
                           std::vector<std::string>& out) const {
    const auto* list = occurrences(section);
    if (!list)
        return true;
    const std::uint32_t keyId = m_names->find(key);
    out.reserve(out.size() + list->size());
    bool missing = false;
    // The listed key usually comes first or close to it.
    walk<1>(*list, [&](std::size_t, const SectionNode& s) {
        std::uint32_t k = keyAt(s, keyId, 0, nullptr);
        if (k == kNone) {
            missing = true;
            return false;
        }
        out.emplace_back(this->key(k).text().substr(0, maxLength));
        return false;
    });
    return !missing;
}

void CfgStore::clear() {
    m_sections.clear();
    m_keys.clear();
    m_arena.clear();
    m_blocks.clear();
    m_names->clear();
    m_byName.clear();
    m_valueIndex->clear();
    m_first = m_last = kNone;
    m_sectionCount = 0;
    ++m_generation;
    endOfInput = false;
}

const CfgSection* cfgFindSection(const CfgStore& store, int exact, int occurrence,
                                 std::string_view name) {
    long target = exact ? occurrence : static_cast<long>(occurrence) + 1;
    const auto* list = store.occurrences(name);
    if (!list || target < 0 || static_cast<std::size_t>(target) >= list->size())
        return nullptr;
    return &store.sec((*list)[static_cast<std::size_t>(target)]).handle;
}

const CfgKey* cfgFindKey(const CfgStore& store, const CfgSection* section, int exact,
                         int occurrence, std::string_view name) {
    if (!section)
        return nullptr;
    long target = exact ? occurrence : static_cast<long>(occurrence) + 1;
    if (target < 0 || target > 0x7FFFFFFF)
        return nullptr;
    std::uint32_t k = store.keyAt(store.sec(section->index), store.m_names->find(name),
                                  static_cast<int>(target), nullptr);
    return k == CfgStore::kNone ? nullptr : &store.key(k).handle;
}

int cfgNextSection(const CfgStore& store, int& occurrence, std::string_view name) {
    const auto* list = store.occurrences(name);
    long next = static_cast<long>(occurrence) + 1;
    if (!list || next < 0 || static_cast<std::size_t>(next) >= list->size())
        return 1;
    occurrence = static_cast<int>(next);
    return 0;
}

int cfgAddSection(CfgStore& store, int occurrence, std::string_view name) {
    if (occurrence < 0)
        return 1;
    std::uint32_t id = store.m_names->intern(name);
    std::vector<std::uint32_t>& list = store.occurrencesOf(id);
    std::uint32_t s = store.newSection(id);
    auto at = static_cast<std::size_t>(occurrence);
    if (at < list.size()) {
        store.linkSectionBefore(s, list[at]);
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), s);
    } else {
        store.linkSectionBefore(s, CfgStore::kNone);
        list.push_back(s);
    }
    return 0;
}

int cfgDeleteSection(CfgStore& store, int occurrence, std::string_view name) {
    if (occurrence < 0)
        return 1;
    std::uint32_t id = store.m_names->find(name);
    if (id == CfgStore::kNone || id >= store.m_byName.size())
        return 1;
    std::vector<std::uint32_t>& list = store.m_byName[id];
    auto at = static_cast<std::size_t>(occurrence);
    if (at >= list.size())
        return 1;
    std::uint32_t s = list[at];
    ++store.m_generation;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    CfgStore::SectionNode& n = store.sec(s);
    if (n.prev != CfgStore::kNone)
        store.sec(n.prev).next = n.next;
    else
        store.m_first = n.next;
    if (n.next != CfgStore::kNone)
        store.sec(n.next).prev = n.prev;
    else
        store.m_last = n.prev;
    store.freeSectionKeys(n);
    store.m_sections.release(s);
    --store.m_sectionCount;
    return 0;
}

int cfgFindSectionByValue(const CfgStore& store, int& occurrence, std::string_view section,
                          std::string_view key, std::string_view value) {
    occurrence = -1;
    std::uint32_t sectionId = store.m_names->find(section);
    const auto* list = store.occurrences(section);
    if (!list || list->empty())
        return 1;
    std::uint32_t keyId = store.m_names->find(key);
    if (keyId == CfgStore::kNone)
        return 2;
    CfgStore::ValueIndex::Entry& index =
        store.m_valueIndex->entry(sectionId, keyId, store.m_generation);
    if (!index.built && ++index.lookups >= CfgStore::ValueIndex::kIndexAfterLookups) {
        for (std::size_t i = list->size(); i-- > 0;) {
            for (std::uint32_t k = store.sec((*list)[i]).firstKey; k != CfgStore::kNone;
                 k = store.key(k).next) {
                const CfgStore::KeyNode& n = store.key(k);
                if (n.name == keyId)
                    index.firstOccurrence[n.text()] = static_cast<int>(i);
            }
        }
        index.built = true;
    }
    if (index.built) {
        auto it = index.firstOccurrence.find(value);
        if (it == index.firstOccurrence.end())
            return 2;
        occurrence = it->second;
        return 0;
    }
    // Every key of a section is looked at: a record's keys take a few lines.
    std::size_t found = store.walk<4>(*list, [&](std::size_t, const CfgStore::SectionNode& s) {
        for (std::uint32_t k = s.firstKey; k != CfgStore::kNone; k = store.key(k).next) {
            const CfgStore::KeyNode& n = store.key(k);
            if (n.name == keyId && n.text() == value)
                return true;
        }
        return false;
    });
    if (found == list->size())
        return 2;
    occurrence = static_cast<int>(found);
    return 0;
}

int cfgGetValue(const CfgStore& store, int sectionOccurrence, std::string_view section,
                int& keyOccurrence, std::string_view key, std::string& destination,
                std::size_t maxLength) {
    destination.clear();
    const CfgSection* s = cfgFindSection(store, 1, sectionOccurrence, section);
    if (!s)
        return 1;
    long target = static_cast<long>(keyOccurrence) + 1;
    if (target < 0 || target > 0x7FFFFFFF)
        return 2;
    std::uint32_t k = store.keyAt(store.sec(s->index), store.m_names->find(key),
                                  static_cast<int>(target), nullptr);
    if (k == CfgStore::kNone)
        return 2;
    const CfgStore::KeyNode& n = store.key(k);
    destination.assign(n.text().substr(0, maxLength));
    keyOccurrence = static_cast<int>(target);
    return 0;
}

int cfgInsertKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key, std::string_view value) {
    const CfgSection* handle = cfgFindSection(store, 1, sectionOccurrence, section);
    if (!handle)
        return 1;
    CfgStore::SectionNode& s = store.sec(handle->index);
    std::uint32_t prev = CfgStore::kNone;
    std::uint32_t before = store.keyAt(s, store.m_names->find(key), keyOccurrence, &prev);
    std::uint32_t k = store.newKey(key, value);
    if (before == CfgStore::kNone) {
        if (s.lastKey == CfgStore::kNone)
            s.firstKey = k;
        else
            store.key(s.lastKey).next = k;
        s.lastKey = k;
        return 2;
    }
    store.key(k).next = before;
    if (prev == CfgStore::kNone)
        s.firstKey = k;
    else
        store.key(prev).next = k;
    return 0;
}

int cfgDeleteKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key) {
    const CfgSection* handle = cfgFindSection(store, 1, sectionOccurrence, section);
    if (!handle)
        return 1;
    CfgStore::SectionNode& s = store.sec(handle->index);
    std::uint32_t prev = CfgStore::kNone;
    std::uint32_t k = store.keyAt(s, store.m_names->find(key), keyOccurrence, &prev);
    if (k == CfgStore::kNone)
        return 2;
    ++store.m_generation;
    std::uint32_t next = store.key(k).next;
    if (prev == CfgStore::kNone)
        s.firstKey = next;
    else
        store.key(prev).next = next;
    if (s.lastKey == k)
        s.lastKey = prev;
    store.m_keys.release(k);
    return 0;
}

void cfgClear(CfgStore& store) {
    store.clear();
}

void cfgCopy(const CfgStore& from, CfgStore& to) {
    if (&from == &to)
        return;
    cfgClear(to);
    CfgStore::Loader load(to, from.bytesReserved());
    for (const CfgSection* s = from.firstSection(); s; s = from.nextSection(s)) {
        load.section(from.sectionName(s));
        for (const CfgKey* k = from.firstKey(s); k; k = from.nextKey(k))
            load.key(from.keyName(k), from.keyValue(k));
    }
    to.endOfInput = from.endOfInput;
}

bool cfgSameContent(const CfgStore& a, const CfgStore& b) {
    if (a.sectionCount() != b.sectionCount())
        return false;
    const CfgSection* sa = a.firstSection();
    const CfgSection* sb = b.firstSection();
    for (; sa && sb; sa = a.nextSection(sa), sb = b.nextSection(sb)) {
        if (a.sectionName(sa) != b.sectionName(sb))
            return false;
        const CfgKey* ka = a.firstKey(sa);
        const CfgKey* kb = b.firstKey(sb);
        for (; ka && kb; ka = a.nextKey(ka), kb = b.nextKey(kb))
            if (a.keyName(ka) != b.keyName(kb) || a.keyValue(ka) != b.keyValue(kb))
                return false;
        if (ka || kb)
            return false;
    }
    return !sa && !sb;
}

CfgSectionKeys::CfgSectionKeys(const CfgStore& store, const CfgSection* section)
    : m_store(store), m_section(section),
      m_cursor(section ? store.sec(section->index).firstKey : CfgStore::kNone) {}

bool CfgSectionKeys::answered(std::uint32_t nameId) const {
    for (std::size_t i = 0; i < m_answerCount; ++i)
        if (m_answered[i] == nameId)
            return true;
    return false;
}

const CfgKey* CfgSectionKeys::find(std::string_view name, int after) {
    if (!m_section || after < -1 || after == 0x7FFFFFFF)
        return nullptr;
    const std::uint32_t id = m_store.m_names->find(name);
    if (id == CfgStore::kNone)
        return nullptr;
    if (m_inOrder && m_cursor != CfgStore::kNone && m_store.key(m_cursor).name == id) {
        // The cursor's key is the first of its name when no answer had the name, and the
        // next one when the last answer was the occurrence asked after.
        const bool lastHadIt = m_answerCount > 0 && m_answered[m_answerCount - 1] == id;
        const bool first = after == -1 && !answered(id);
        const bool next = lastHadIt && after == m_lastOccurrence;
        if ((first || next) && (lastHadIt || m_answerCount < kMostAnswers)) {
            const std::uint32_t k = m_cursor;
            m_cursor = m_store.key(k).next;
            if (!lastHadIt)
                m_answered[m_answerCount++] = id;
            m_lastOccurrence = after + 1;
            return &m_store.key(k).handle;
        }
    }
    const std::uint32_t k = m_store.keyAt(m_store.sec(m_section->index), id, after + 1, nullptr);
    if (k == CfgStore::kNone)
        return nullptr; // nothing answered: the keys before the cursor are as they were
    m_inOrder = false;
    return &m_store.key(k).handle;
}
