#include "record_text.h"

#include "cfg_store.h"

#include <algorithm>
#include <climits>

namespace records {

int decimalValue(std::string_view text) {
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // stays out of range, never wraps
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

SectionKeys::SectionKeys(const CfgStore& store, int section, std::string_view sectionName)
    : m_store(store), m_section(cfgFindSection(store, 1, section, sectionName)) {}

bool SectionKeys::next(std::string_view key, int& keyOccurrence, std::string& destination,
                       std::size_t maxLength) {
    destination.clear();
    const CfgKey* k = cfgFindKey(m_store, m_section, 0, keyOccurrence, key);
    if (!k)
        return false;
    destination.assign(k->value, 0, maxLength);
    ++keyOccurrence;
    return true;
}

bool SectionKeys::readFirst(std::string_view key, std::string& destination, std::size_t maxLength) {
    // The destination keeps its value when the key is missing.
    const CfgKey* k = cfgFindKey(m_store, m_section, 1, 0, key);
    if (!k)
        return false;
    destination.assign(k->value, 0, maxLength);
    return true;
}

bool readFirst(const CfgStore& store, int section, std::string_view sectionName,
               std::string_view key, std::string& destination, std::size_t maxLength) {
    int keyOccurrence = -1;
    std::string value;
    if (cfgGetValue(store, section, sectionName, keyOccurrence, key, value, maxLength) != 0)
        return false;
    destination = std::move(value);
    return true;
}

int listFirstValues(const CfgStore& store, std::string_view sectionName, std::string_view key,
                    std::size_t maxLength, std::vector<std::string>& list) {
    bool all = true;
    list.reserve(list.size() + store.countSections(sectionName));
    store.forEachNamed(sectionName, [&](const CfgSection& section) {
        // cfgFindKey's first-key case, inline: at 100,000 sections a call per record took
        // a fifth of the lists' time.
        const auto k = std::find_if(section.keys.begin(), section.keys.end(),
                                    [key](const CfgKey& c) { return c.name == key; });
        if (k != section.keys.end())
            list.emplace_back(k->value, 0, maxLength);
        else
            all = false;
    });
    return all ? 1 : 0;
}

int findByValue(const CfgStore& store, std::string_view sectionName, std::string_view key,
                std::string_view value) {
    int occurrence = -1;
    if (cfgFindSectionByValue(store, occurrence, sectionName, key, value) != 0)
        return -1;
    return occurrence;
}

bool deleteListed(CfgStore& store, std::string_view sectionName, std::string_view key,
                  const std::vector<std::string>& listed, std::string_view name) {
    auto wanted = std::count(listed.begin(), listed.end(), name);
    if (wanted == 0)
        return true;
    long held = 0;
    for (const CfgSection& s : store.sections()) {
        if (s.name != sectionName)
            continue;
        held += std::any_of(s.keys.begin(), s.keys.end(),
                            [&](const CfgKey& k) { return k.name == key && k.value == name; });
    }
    if (held < wanted)
        return false;
    for (long i = 0; i < wanted; ++i) {
        if (cfgDeleteSection(store, findByValue(store, sectionName, key, name), sectionName) != 0)
            return false;
    }
    return true;
}

bool addFirstSection(CfgStore& store, std::string_view sectionName) {
    // Occurrence 0: before the first remaining record, or at the end when none remains.
    return cfgAddSection(store, 0, sectionName) == 0;
}

void setKeyInPlace(CfgStore& store, int occurrence, std::string_view section, std::string_view key,
                   const std::string& value) {
    int first = -1; // cfgGetValue counts from -1, insert and delete from 0
    std::string ignored;
    if (cfgGetValue(store, occurrence, section, first, key, ignored, 0) != 0) {
        cfgInsertKey(store, occurrence, section, INT_MAX, key, value);
        return;
    }
    cfgInsertKey(store, occurrence, section, 0, key, value);
    cfgDeleteKey(store, occurrence, section, 1, key);
}

bool appendKey(CfgStore& store, std::string_view sectionName, std::string_view key,
               std::string_view value) {
    // No key has this many occurrences, so the key always goes to the end.
    return cfgInsertKey(store, 0, sectionName, INT_MAX, key, value) != 1;
}

} // namespace records
