// The configuration store: an ordered list of sections, each an ordered list of keys.
// Section and key names repeat; records of one kind are told apart by their occurrence
// index in document order. Every operation's result follows the client's conventions
// (0 success, 1 or 2 for the failures each names).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct CfgKey {
    std::string name;
    std::string value;
    bool operator==(const CfgKey&) const = default;
};

struct CfgSection {
    std::string name;
    std::vector<CfgKey> keys;
    bool operator==(const CfgSection&) const = default;
};

// The sections lie side by side in one vector, so that a walk over them reads memory in
// order. A section found stays valid until a section is added or deleted; a key until its
// own section gains or loses a key, or a section is added or deleted.
class CfgStore {
public:
    using Sections = std::vector<CfgSection>;

    CfgStore() = default;
    CfgStore(const CfgStore&) = delete;
    CfgStore& operator=(const CfgStore&) = delete;

    // Every section in document order.
    const Sections& sections() const { return m_sections; }
    bool empty() const { return m_sections.empty(); }
    std::size_t sectionCount() const { return m_sections.size(); }
    // How many sections carry that name; whether any does (cfgNextSection from -1).
    std::size_t countSections(std::string_view name) const;
    bool hasSection(std::string_view name) const { return countSections(name) > 0; }
    // Calls visit with each section of that name in document order: a walk over every
    // record of a kind without a lookup of the name for each.
    template <class Visit> void forEachNamed(std::string_view name, Visit&& visit) const {
        if (const Occurrences* list = occurrences(name))
            for (std::size_t at : *list)
                visit(m_sections[at]);
    }

    // Set by the file reader at the end of its input; reset by cfgClear.
    bool endOfInput = false;

    // A section at the very end: what cfgAddSection does past the last of its name.
    void appendSection(std::string_view name);
    // A whole section at the very end, its keys moved out of `keys`.
    void appendSection(std::string_view name, std::vector<CfgKey>& keys);

    // About the bytes the store holds; for the undo history's limit.
    std::size_t bytesReserved() const;

    // Grows with every change to the store and never goes back: two equal counts mean that
    // nothing was changed in between (a change may still have put back the same content).
    std::uint64_t changeCount() const { return m_changes; }

private:
    friend const CfgSection* cfgFindSection(const CfgStore&, int, int, std::string_view);
    friend int cfgAddSection(CfgStore&, int, std::string_view);
    friend int cfgDeleteSection(CfgStore&, int, std::string_view);
    friend int cfgFindSectionByValue(const CfgStore&, int&, std::string_view, std::string_view,
                                     std::string_view);
    friend int cfgInsertKey(CfgStore&, int, std::string_view, int, std::string_view,
                            std::string_view);
    friend int cfgDeleteKey(CfgStore&, int, std::string_view, int, std::string_view);
    friend void cfgClear(CfgStore&);
    friend void cfgCopy(const CfgStore&, CfgStore&);

    // Positions in m_sections.
    using Occurrences = std::vector<std::size_t>;
    const Occurrences* occurrences(std::string_view name) const;
    CfgSection* section(int occurrence, std::string_view name);
    // Moves every position from `from` on by `by` (+1 or -1) after an insertion or removal.
    void shiftPositions(std::size_t from, long by);

    Sections m_sections;
    // The sections of each name in document order: an occurrence is an index here rather
    // than a count from the first section, so that reading every record of a kind is
    // linear in the file, not quadratic.
    std::map<std::string, Occurrences, std::less<>> m_byName;
    std::uint64_t m_changes = 0;
};

// cfgFindSection: with exact non-zero the section whose index equals occurrence,
// otherwise the one at occurrence + 1. nullptr when there is none.
const CfgSection* cfgFindSection(const CfgStore& store, int exact, int occurrence,
                                 std::string_view name);
const CfgKey* cfgFindKey(const CfgStore& store, const CfgSection* section, int exact,
                         int occurrence, std::string_view name);
// 0 advanced (occurrence set to the next index); 1 no further section.
int cfgNextSection(const CfgStore& store, int& occurrence, std::string_view name);
// 0 added; 1 occurrence below 0.
int cfgAddSection(CfgStore& store, int occurrence, std::string_view name);
// 0 deleted; 1 no such section or occurrence below 0.
int cfgDeleteSection(CfgStore& store, int occurrence, std::string_view name);
// 0 found; 1 no section of that name; 2 none holds the value (occurrence then -1).
int cfgFindSectionByValue(const CfgStore& store, int& occurrence, std::string_view section,
                          std::string_view key, std::string_view value);
// 0 read; 1 no such section; 2 no such key. At most maxLength bytes are copied.
int cfgGetValue(const CfgStore& store, int sectionOccurrence, std::string_view section,
                int& keyOccurrence, std::string_view key, std::string& destination,
                std::size_t maxLength);
// 0 inserted before an existing key; 2 appended at the end; 1 no such section.
int cfgInsertKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key, std::string_view value);
// 0 deleted; 1 no such section; 2 no such key.
int cfgDeleteKey(CfgStore& store, int sectionOccurrence, std::string_view section,
                 int keyOccurrence, std::string_view key);
void cfgClear(CfgStore& store);
// Makes `to` hold what `from` holds, section for section and key for key (a snapshot to
// restore later, or a scratch copy to change without touching the original).
void cfgCopy(const CfgStore& from, CfgStore& to);
// Whether both hold the same sections with the same keys and values in the same order: what
// a save of either would write.
bool cfgSameContent(const CfgStore& a, const CfgStore& b);
