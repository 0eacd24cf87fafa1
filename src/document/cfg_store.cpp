#include "cfg_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <unordered_map>

// Nodes live in fixed-size chunks so that their addresses never move and growth never
// copies; a large file costs little more than its own size.
template <typename Node> class CfgStore::Pool {
public:
    static constexpr std::uint32_t kChunkBits = 12;
    static constexpr std::uint32_t kChunk = 1u << kChunkBits;

    std::uint32_t allocate() {
        if (m_free != kNone) {
            std::uint32_t i = m_free;
            m_free = at(i).handle.index;
            return i;
        }
        if (m_used == m_chunks.size() * kChunk)
            m_chunks.push_back(std::make_unique_for_overwrite<Node[]>(kChunk));
        return m_used++;
    }
    void release(std::uint32_t i) {
        // A freed node keeps the free list's link in its handle field.
        at(i).handle.index = m_free;
        m_free = i;
    }
    Node& at(std::uint32_t i) { return m_chunks[i >> kChunkBits][i & (kChunk - 1)]; }
    const Node& at(std::uint32_t i) const { return m_chunks[i >> kChunkBits][i & (kChunk - 1)]; }
    void clear() {
        m_chunks.clear();
        m_used = 0;
        m_free = kNone;
    }
    std::size_t bytes() const { return m_chunks.size() * kChunk * sizeof(Node); }

private:
    std::vector<std::unique_ptr<Node[]>> m_chunks;
    std::uint32_t m_used = 0;
    std::uint32_t m_free = kNone;
};

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
        Packed key;
        Slot* slot = nullptr;
        if (pack(name, key)) {
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

    struct Packed {
        std::uint64_t lo = 0, hi = 0; // the name's bytes
        std::uint64_t length = 0;
        bool operator==(const Packed&) const = default;
        std::uint64_t hash() const {
            std::uint64_t h =
                (lo ^ ((hi + length) * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
            return h ^ (h >> 29);
        }
    };
    struct Slot {
        Packed key;
        std::uint32_t id = kNone;
    };
    static constexpr std::size_t kCacheSize = 256;

    // Overlapping loads give every name of up to 15 bytes its own pair of words.
    static bool pack(std::string_view name, Packed& out) {
        const char* p = name.data();
        std::size_t n = name.size();
        if (n > 15)
            return false;
        auto load = [](const char* at, std::size_t bytes) {
            std::uint64_t v = 0;
            std::memcpy(&v, at, bytes);
            return v;
        };
        if (n >= 8) {
            out.lo = load(p, 8);
            out.hi = load(p + n - 8, 8);
        } else if (n >= 4) {
            out.lo = load(p, 4) | load(p + n - 4, 4) << 32;
            out.hi = 0;
        } else {
            out.lo = n ? (load(p, 1) | load(p + n / 2, 1) << 8 | load(p + n - 1, 1) << 16) : 0;
            out.hi = 0;
        }
        out.length = n;
        return true;
    }

    std::deque<std::string> m_texts;
    std::unordered_map<std::string_view, std::uint32_t> m_ids;
    mutable std::array<Slot, kCacheSize> m_cache{};
};

// Value bytes, packed in large blocks. A deleted value's bytes are reclaimed only when
// the store is cleared; edits are few next to what a file holds.
class CfgStore::Arena {
public:
    static constexpr std::size_t kBlock = 256 * 1024;

    const char* copy(std::string_view text) {
        if (text.empty())
            return "";
        if (text.size() <= m_left) {
            char* at = m_blocks.back().get() + (kBlock - m_left);
            std::memcpy(at, text.data(), text.size());
            m_left -= text.size();
            return at;
        }
        if (text.size() > kBlock / 8) {
            m_large.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
            std::memcpy(m_large.back().get(), text.data(), text.size());
            m_largeBytes += text.size();
            return m_large.back().get();
        }
        if (m_blocks.empty() || m_left < text.size()) {
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlock));
            m_left = kBlock;
        }
        char* at = m_blocks.back().get() + (kBlock - m_left);
        std::memcpy(at, text.data(), text.size());
        m_left -= text.size();
        return at;
    }
    void clear() {
        m_blocks.clear();
        m_large.clear();
        m_left = 0;
        m_largeBytes = 0;
    }
    std::size_t bytes() const { return m_blocks.size() * kBlock + m_largeBytes; }

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<std::unique_ptr<char[]>> m_large;
    std::size_t m_left = 0;
    std::size_t m_largeBytes = 0;
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
    : m_sections(std::make_unique<Pool<SectionNode>>()), m_keys(std::make_unique<Pool<KeyNode>>()),
      m_names(std::make_unique<Names>()), m_arena(std::make_unique<Arena>()),
      m_valueIndex(std::make_unique<ValueIndex>()) {}

CfgStore::~CfgStore() = default;

CfgStore::SectionNode& CfgStore::sec(std::uint32_t i) {
    return m_sections->at(i);
}
const CfgStore::SectionNode& CfgStore::sec(std::uint32_t i) const {
    return m_sections->at(i);
}
CfgStore::KeyNode& CfgStore::key(std::uint32_t i) {
    return m_keys->at(i);
}
const CfgStore::KeyNode& CfgStore::key(std::uint32_t i) const {
    return m_keys->at(i);
}

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
    const KeyNode& n = key(k->index);
    return {n.value, n.valueLen};
}

std::size_t CfgStore::bytesReserved() const {
    std::size_t index = 0;
    for (const auto& v : m_byName)
        index += v.capacity() * sizeof(std::uint32_t) + sizeof(v);
    return m_sections->bytes() + m_keys->bytes() + m_names->bytes() + m_arena->bytes() + index;
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
    std::uint32_t i = m_sections->allocate();
    SectionNode& s = sec(i);
    s.handle.index = i;
    s.next = s.prev = kNone;
    s.firstKey = s.lastKey = kNone;
    s.name = nameId;
    ++m_sectionCount;
    return i;
}

std::uint32_t CfgStore::newKey(std::string_view name, std::string_view value) {
    ++m_generation;
    std::uint32_t i = m_keys->allocate();
    KeyNode& k = key(i);
    k.handle.index = i;
    k.next = kNone;
    k.name = m_names->intern(name);
    k.valueLen = static_cast<std::uint32_t>(value.size());
    k.value = m_arena->copy(value);
    return i;
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
        m_keys->release(k);
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
    std::uint32_t id = m_names->intern(name);
    std::uint32_t s = newSection(id);
    linkSectionBefore(s, kNone);
    occurrencesOf(id).push_back(s);
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

void CfgStore::clear() {
    m_sections->clear();
    m_keys->clear();
    m_names->clear();
    m_arena->clear();
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
    store.m_sections->release(s);
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
                    index.firstOccurrence[std::string_view(n.value, n.valueLen)] =
                        static_cast<int>(i);
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
    for (std::size_t i = 0; i < list->size(); ++i) {
        for (std::uint32_t k = store.sec((*list)[i]).firstKey; k != CfgStore::kNone;
             k = store.key(k).next) {
            const CfgStore::KeyNode& n = store.key(k);
            if (n.name == keyId && std::string_view(n.value, n.valueLen) == value) {
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
    long target = static_cast<long>(keyOccurrence) + 1;
    if (target < 0 || target > 0x7FFFFFFF)
        return 2;
    std::uint32_t k = store.keyAt(store.sec(s->index), store.m_names->find(key),
                                  static_cast<int>(target), nullptr);
    if (k == CfgStore::kNone)
        return 2;
    const CfgStore::KeyNode& n = store.key(k);
    destination.assign(n.value, std::min<std::size_t>(n.valueLen, maxLength));
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
    store.m_keys->release(k);
    return 0;
}

void cfgClear(CfgStore& store) {
    store.clear();
}
