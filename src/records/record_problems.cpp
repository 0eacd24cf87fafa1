#include "record_problems.h"

#include "cfg_store.h"
#include "check_steps.h"
#include "messages.h"
#include "old_form.h"

#include <span>
#include <variant>

namespace {

class Checker {
public:
    explicit Checker(std::vector<RecordProblem>& problems) : m_problems(problems) {}

    // The section being looked at: where the problems found now are.
    void at(int section, int occurrence) {
        m_section = section;
        m_occurrence = occurrence;
    }

    void error(RecordFamily family, const std::string& name, const RecordRefusal& refusal) {
        if (refusal)
            m_problems.push_back({family, name, m_occurrence, {}, refusal, m_section});
    }
    void nameless(RecordFamily family, std::string_view nameKey) {
        error(family, {}, checks::refuseCode(ErrorCode::Store, std::string(nameKey)));
        m_problems.back().nameless = true;
    }

    // A server name of the older form is reported, and checked as the conversion on open
    // writes it back: without its marker.
    void oldForm(RecordFamily family, const std::string& name, std::string& server) {
        if (!hasOldFormMarker(server))
            return;
        m_problems.push_back({family, name, m_occurrence, server, {}, m_section});
        server.pop_back();
    }

private:
    std::vector<RecordProblem>& m_problems;
    int m_section = 0;
    int m_occurrence = 0;
};

// The server names of the older form a record holds, taken off before its check.
void takeOldForms(Checker& c, RecordFamily family, const std::string& name, AnyRecord& record) {
    if (auto* appc = std::get_if<AppcRecord>(&record))
        for (std::string& server : appc->serverName)
            c.oldForm(family, name, server);
    if (auto* lux = std::get_if<LuxProfileRecord>(&record))
        for (LuxLink& link : lux->links)
            c.oldForm(family, name, link.serverName);
}

// Each record is read from its own section, so that records of the same name do not hide
// each other, and given to the check of its kind.
void checkSection(const CfgStore& store, const RecordKind& k, const CfgSection& s, int occurrence,
                  Checker& c) {
    std::string name;
    if (!k.nameKey.empty()) {
        const CfgKey* key = cfgFindKey(store, &s, 1, 0, k.nameKey);
        if (!key) {
            // The records list fails on it, and no record operation can reach it.
            c.nameless(*k.family, k.nameKey);
            return;
        }
        name = key->value;
    }
    AnyRecord record;
    k.readSection(store, occurrence, record);
    takeOldForms(c, *k.family, name, record);
    c.error(*k.family, name, k.check(record, store));
}

} // namespace

std::vector<RecordProblem> findRecordProblems(const CfgStore& store) {
    std::vector<RecordProblem> problems;
    Checker c(problems);
    const std::span<const RecordKind> kinds = recordKinds();
    // Each kind's sections are counted as they come, for the records list's order; a
    // one-record kind is the first section of its name, later ones are never read.
    std::vector<int> seen(kinds.size(), 0);
    int index = -1;
    for (const CfgSection& s : store.sections()) {
        ++index;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const RecordKind& k = kinds[i];
            if (!k.check || s.name != k.section)
                continue;
            const int occurrence = seen[i]++;
            if (k.nameKey.empty() && occurrence > 0)
                continue;
            c.at(index, occurrence);
            checkSection(store, k, s, occurrence, c);
        }
    }
    return problems;
}
