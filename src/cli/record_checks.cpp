#include "record_checks.h"

#include "appc_records.h"
#include "cfg_doc.h"
#include "cfg_store.h"
#include "cpic_records.h"
#include "global_records.h"
#include "latin1.h"
#include "lux_records.h"
#include "messages.h"
#include "midrange_records.h"
#include "tp_records.h"

#include <string_view>

namespace {

// A store holding only one section of another: each record is read and written back on
// its own, so that records of the same name do not hide each other and the writes that
// run the checks never touch the store being checked.
void isolate(const CfgStore& from, const CfgSection* s, CfgStore& to) {
    cfgClear(to);
    to.appendSection(from.sectionName(s));
    for (const CfgKey* k = from.firstKey(s); k; k = from.nextKey(k))
        to.appendKeyToLast(from.keyName(k), from.keyValue(k));
}

const CfgKey* firstKeyNamed(const CfgStore& store, const CfgSection* s, std::string_view key) {
    for (const CfgKey* k = store.firstKey(s); k; k = store.nextKey(k))
        if (store.keyName(k) == key)
            return k;
    return nullptr;
}

class Checker {
public:
    explicit Checker(std::vector<Finding>& findings) : m_findings(findings) {}

    // A writer that refused gives its code; 68 is the LUx writer's own rule, after its check.
    void writerSaid(ToolKind kind, const std::string& name, int result, int code) {
        if (!result)
            error(kind, name, code ? code : kErrStore);
    }

    void error(ToolKind kind, const std::string& name, int code) {
        m_findings.push_back({kind, name, code, {}});
    }

    // A server name of the older form is reported, and checked as the conversion on open
    // writes it back: without its marker.
    void oldForm(ToolKind kind, const std::string& name, std::string& server) {
        if (server.empty() || server.back() != kOldFormMarker)
            return;
        m_findings.push_back({kind, name, 0,
                              "server name \"" + latin1ToUtf8(server) +
                                  "\" is of the older form; opening the file converts it"});
        server.pop_back();
    }

private:
    std::vector<Finding>& m_findings;
};

void checkGlobal(CfgStore& one, Checker& c) {
    GlobalRecord r;
    globalRead(one, r);
    int flag = 0, code = 0;
    int result = globalWrite(one, r, flag, code);
    c.writerSaid(ToolKind::Global, {}, result, code);
}

void checkAppc(CfgStore& one, Checker& c) {
    AppcRecord r;
    int missing = 0;
    appcRead(one, r, missing);
    for (std::string& server : r.serverName)
        c.oldForm(ToolKind::Appc, {}, server);
    int flag = 0, code = 0;
    int result = appcWrite(one, r, flag, code);
    c.writerSaid(ToolKind::Appc, {}, result, code);
}

void checkCpic(CfgStore& one, const std::string& name, Checker& c) {
    CpicSideInfoRecord r;
    r.symbName = name;
    cpicReadEntry(one, r);
    int flag = 0, code = 0;
    int result = cpicWriteEntry(one, r, flag, code);
    c.writerSaid(ToolKind::Cpic, name, result, code);
}

void checkTp(CfgStore& one, const std::string& name, Checker& c) {
    AttachTpRecord r;
    r.tpName = name;
    tpReadEntry(one, r);
    int flag = 0, code = 0;
    int result = tpWriteEntry(one, r, flag, code);
    c.writerSaid(ToolKind::Tp, name, result, code);
}

void checkLux(CfgStore& one, const std::string& name, Checker& c) {
    LuxProfileRecord r;
    r.profileName = name;
    luxReadProfile(one, r);
    for (LuxLink& link : r.links)
        c.oldForm(ToolKind::Lux, name, link.serverName);
    int flag = 0, code = 0;
    int result = luxWriteProfile(one, r, flag, code);
    c.writerSaid(ToolKind::Lux, name, result, code);
    // The writer looks for the first link only once the check has passed.
    if (!result && code != 68 && r.links[0].serverName.empty())
        c.error(ToolKind::Lux, name, 68);
}

void checkSystem(CfgStore& one, const std::string& name, Checker& c) {
    MidrangeSystemRecord r;
    r.hostName = name;
    midrangeReadSystem(one, r);
    int flag = 0, code = 0;
    int result = midrangeWriteSystem(one, r.hostName, r.userId, r.password, r.password,
                                     r.defaultFlag, flag, code);
    c.writerSaid(ToolKind::System, name, result, code);
}

void checkCommon(CfgStore& one, Checker& c) {
    MidrangeCommonRecord r;
    midrangeReadCommon(one, r);
    int flag = 0, code = 0;
    int result =
        midrangeWriteCommon(one, r.localLu, r.mode, r.userId, r.password, r.userId, flag, code);
    c.writerSaid(ToolKind::Common, {}, result, code);
}

struct NamedKind {
    std::string_view section;
    ToolKind kind;
    std::string_view key;
    void (*check)(CfgStore&, const std::string&, Checker&);
};

constexpr NamedKind kNamedKinds[] = {
    {"CPIC_INFO", ToolKind::Cpic, "SYMB_NAME", checkCpic},
    {"CLIENT_ATTACH", ToolKind::Tp, "TP_NAME", checkTp},
    {"LUX_PROFILE", ToolKind::Lux, "PROFILE_NAME", checkLux},
    {"NODEX_SYSTEM", ToolKind::System, "HOST_NAME", checkSystem},
};

} // namespace

std::vector<Finding> checkRecords(const CfgStore& store) {
    std::vector<Finding> findings;
    Checker c(findings);
    CfgStore one;
    // The one-record kinds are the first section of their name; later ones are never read.
    bool seenGlobal = false, seenAppc = false, seenCommon = false;
    for (const CfgSection* s = store.firstSection(); s; s = store.nextSection(s)) {
        std::string_view section = store.sectionName(s);
        if (section == "GLOBAL" && !seenGlobal) {
            seenGlobal = true;
            isolate(store, s, one);
            checkGlobal(one, c);
        } else if (section == "APPC" && !seenAppc) {
            seenAppc = true;
            isolate(store, s, one);
            checkAppc(one, c);
        } else if (section == "NODEX_COMMON" && !seenCommon) {
            seenCommon = true;
            isolate(store, s, one);
            checkCommon(one, c);
        }
        for (const NamedKind& k : kNamedKinds) {
            if (section != k.section)
                continue;
            const CfgKey* key = firstKeyNamed(store, s, k.key);
            if (!key) {
                // The records list fails on it, and no record operation can reach it.
                c.error(k.kind, {}, kErrStore);
                continue;
            }
            std::string name(store.keyValue(key));
            isolate(store, s, one);
            k.check(one, name, c);
        }
    }
    return findings;
}
