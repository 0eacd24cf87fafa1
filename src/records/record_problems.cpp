#include "record_problems.h"

#include "appc_records.h"
#include "cfg_doc.h"
#include "cfg_store.h"
#include "cpic_records.h"
#include "global_records.h"
#include "lux_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "tp_records.h"
#include "validation.h"

#include <iterator>
#include <string_view>
#include <utility>

namespace {

const CfgKey* firstKeyNamed(const CfgStore& store, const CfgSection* s, std::string_view key) {
    for (const CfgKey* k = store.firstKey(s); k; k = store.nextKey(k))
        if (store.keyName(k) == key)
            return k;
    return nullptr;
}

class Checker {
public:
    explicit Checker(std::vector<RecordProblem>& problems) : m_problems(problems) {}

    // The section being looked at: where the problems found now are.
    void at(int occurrence) { m_occurrence = occurrence; }

    // A writer that refused gives its code; 68 is the LUx writer's own rule, after its check.
    void writerSaid(RecordFamily family, const std::string& name, int result, int code) {
        if (!result)
            error(family, name, code ? code : kErrStore);
    }

    void error(RecordFamily family, const std::string& name, int code) {
        m_problems.push_back({family, name, m_occurrence, code, {}});
    }

    // A server name of the older form is reported, and checked as the conversion on open
    // writes it back: without its marker.
    void oldForm(RecordFamily family, const std::string& name, std::string& server) {
        if (server.empty() || server.back() != kOldFormMarker)
            return;
        m_problems.push_back({family, name, m_occurrence, 0, server});
        server.pop_back();
    }

private:
    std::vector<RecordProblem>& m_problems;
    int m_occurrence = 0;
};

// Each record is read from its own section, so that records of the same name do not hide
// each other, and given to the check its writer runs before it touches the store.
void checkGlobal(const CfgStore& store, Checker& c) {
    GlobalRecord r;
    globalRead(store, r);
    int flag = 0, code = 0;
    const int result = globalCheckWrite(std::move(r), flag, code);
    c.writerSaid(RecordFamily::Global, {}, result, code);
}

void checkAppc(const CfgStore& store, Checker& c) {
    AppcRecord r;
    int missing = 0;
    appcRead(store, r, missing);
    for (std::string& server : r.serverName)
        c.oldForm(RecordFamily::Appc, {}, server);
    int flag = 0, code = 0;
    appcCheck(r, flag, code);
    c.writerSaid(RecordFamily::Appc, {}, flag == 0 ? 1 : 0, code);
}

void checkCommon(const CfgStore& store, Checker& c) {
    MidrangeCommonRecord r;
    midrangeReadCommon(store, r);
    int flag = 0, code = 0;
    const int result = midrangeCheckCommon(r.mode, r.userId, r.password, flag, code);
    c.writerSaid(RecordFamily::MidrangeCommon, {}, result, code);
}

void checkCpic(const CfgStore& store, int s, const std::string& name, Checker& c) {
    CpicSideInfoRecord r;
    cpicReadSection(store, s, r);
    int flag = 0, code = 0;
    const int result = cpicCheckWrite(std::move(r), flag, code);
    c.writerSaid(RecordFamily::Cpic, name, result, code);
}

void checkTp(const CfgStore& store, int s, const std::string& name, Checker& c) {
    AttachTpRecord r;
    tpReadSection(store, s, r);
    int flag = 0, code = 0;
    const int result = tpCheckWrite(std::move(r), flag, code);
    c.writerSaid(RecordFamily::Tp, name, result, code);
}

void checkLux(const CfgStore& store, int s, const std::string& name, Checker& c) {
    LuxProfileRecord r;
    luxReadSection(store, s, r);
    for (LuxLink& link : r.links)
        c.oldForm(RecordFamily::Lux, name, link.serverName);
    int flag = 0, code = 0;
    int result = luxCheckWrite(r, flag, code);
    c.writerSaid(RecordFamily::Lux, name, result, code);
    // The writer looks for the first link only once the check has passed.
    if (!result && code != 68 && r.links[0].serverName.empty())
        c.error(RecordFamily::Lux, name, 68);
}

void checkSystem(const CfgStore& store, int s, const std::string& name, Checker& c) {
    MidrangeSystemRecord r;
    midrangeReadSystemSection(store, s, r);
    int flag = 0, code = 0;
    const int result = midrangeCheckSystem(r.hostName, r.userId, r.password, flag, code);
    c.writerSaid(RecordFamily::MidrangeSystem, name, result, code);
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
    for (const CfgSection* s = store.firstSection(); s; s = store.nextSection(s)) {
        std::string_view section = store.sectionName(s);
        c.at(0);
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
            c.at(occurrence);
            const CfgKey* key = firstKeyNamed(store, s, k.key);
            if (!key) {
                // The records list fails on it, and no record operation can reach it.
                c.error(k.family, {}, kErrStore);
                continue;
            }
            std::string name(store.keyValue(key));
            k.check(store, occurrence, name, c);
        }
    }
    return problems;
}
