#include "record_problems.h"

#include "appc_records.h"
#include "cfg_store.h"
#include "check_steps.h"
#include "cpic_records.h"
#include "global_records.h"
#include "lux_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "old_form.h"
#include "string_ids.h"
#include "tp_records.h"
#include "validation.h"

#include <iterator>
#include <string_view>
#include <utility>

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
            m_problems.push_back(
                {family, name, m_occurrence, refusal.number(), {}, refusal, m_section});
    }

    // A server name of the older form is reported, and checked as the conversion on open
    // writes it back: without its marker.
    void oldForm(RecordFamily family, const std::string& name, std::string& server) {
        if (!hasOldFormMarker(server))
            return;
        m_problems.push_back({family, name, m_occurrence, 0, server, {}, m_section});
        server.pop_back();
    }

private:
    std::vector<RecordProblem>& m_problems;
    int m_section = 0;
    int m_occurrence = 0;
};

// Each record is read from its own section, so that records of the same name do not hide
// each other, and given to the check of its kind.
void checkGlobal(const CfgStore& store, Checker& c) {
    GlobalRecord r;
    globalRead(store, r);
    c.error(RecordFamily::Global, {}, globalCheckRecord(r));
}

void checkAppc(const CfgStore& store, Checker& c) {
    AppcRecord r;
    int missing = 0;
    appcRead(store, r, missing);
    for (std::string& server : r.serverName)
        c.oldForm(RecordFamily::Appc, {}, server);
    c.error(RecordFamily::Appc, {}, appcCheckRecord(r));
}

void checkCommon(const CfgStore& store, Checker& c) {
    MidrangeCommonRecord r;
    midrangeReadCommon(store, r);
    c.error(RecordFamily::MidrangeCommon, {}, commonCheckRecord(r, store));
}

void checkCpic(const CfgStore& store, int s, const std::string& name, Checker& c) {
    CpicSideInfoRecord r;
    cpicReadSection(store, s, r);
    c.error(RecordFamily::Cpic, name, cpicCheckRecord(r));
}

void checkTp(const CfgStore& store, int s, const std::string& name, Checker& c) {
    AttachTpRecord r;
    tpReadSection(store, s, r);
    c.error(RecordFamily::Tp, name, tpCheckRecord(r));
}

void checkLux(const CfgStore& store, int s, const std::string& name, Checker& c) {
    LuxProfileRecord r;
    luxReadSection(store, s, r);
    for (LuxLink& link : r.links)
        c.oldForm(RecordFamily::Lux, name, link.serverName);
    c.error(RecordFamily::Lux, name, luxCheckRecord(r));
}

void checkSystem(const CfgStore& store, int s, const std::string& name, Checker& c) {
    MidrangeSystemRecord r;
    midrangeReadSystemSection(store, s, r);
    c.error(RecordFamily::MidrangeSystem, name, systemCheckRecord(r));
}

struct NamedKind {
    std::string_view section;
    RecordFamily family;
    std::string_view key;
    void (*check)(const CfgStore&, int, const std::string&, Checker&);
};

constexpr NamedKind kNamedKinds[] = {
    {"CPIC_INFO", RecordFamily::Cpic, "SYMB_NAME", checkCpic},
    {"CLIENT_ATTACH", RecordFamily::Tp, "TP_NAME", checkTp},
    {"LUX_PROFILE", RecordFamily::Lux, "PROFILE_NAME", checkLux},
    {"NODEX_SYSTEM", RecordFamily::MidrangeSystem, "HOST_NAME", checkSystem},
};

} // namespace

int entryTextOf(RecordFamily family) {
    switch (family) {
    case RecordFamily::Global:
        return ids::kEntryGlobal;
    case RecordFamily::Appc:
        return ids::kEntryAppc;
    case RecordFamily::MidrangeCommon:
    case RecordFamily::MidrangeSystem:
        return ids::kEntryMidrange;
    default:
        return 0;
    }
}

int optionKindOf(RecordFamily family) {
    switch (family) {
    case RecordFamily::Global:
        return 16;
    case RecordFamily::Appc:
        return 26;
    case RecordFamily::Cpic:
        return 12;
    case RecordFamily::Tp:
        return 13;
    case RecordFamily::Lux:
        return 27;
    case RecordFamily::MidrangeSystem:
    case RecordFamily::MidrangeCommon:
        break;
    }
    return 28;
}

std::vector<RecordProblem> findRecordProblems(const CfgStore& store) {
    std::vector<RecordProblem> problems;
    Checker c(problems);
    // The one-record kinds are the first section of their name; later ones are never read.
    bool seenGlobal = false, seenAppc = false, seenCommon = false;
    // Each named kind's sections are counted as they come, for the records list's order.
    int seen[std::size(kNamedKinds)] = {};
    int index = -1;
    for (const CfgSection& s : store.sections()) {
        const std::string_view section = s.name;
        ++index;
        c.at(index, 0);
        if (section == "GLOBAL" && !seenGlobal) {
            seenGlobal = true;
            checkGlobal(store, c);
        } else if (section == "APPC" && !seenAppc) {
            seenAppc = true;
            checkAppc(store, c);
        } else if (section == "NODEX_COMMON" && !seenCommon) {
            seenCommon = true;
            checkCommon(store, c);
        }
        for (std::size_t i = 0; i < std::size(kNamedKinds); ++i) {
            const NamedKind& k = kNamedKinds[i];
            if (section != k.section)
                continue;
            const int occurrence = seen[i]++;
            c.at(index, occurrence);
            const CfgKey* key = cfgFindKey(store, &s, 1, 0, k.key);
            if (!key) {
                // The records list fails on it, and no record operation can reach it.
                c.error(k.family, {}, checks::refuseCode(kErrStore, std::string(k.key)));
                continue;
            }
            std::string name = key->value;
            k.check(store, occurrence, name, c);
        }
    }
    return problems;
}
