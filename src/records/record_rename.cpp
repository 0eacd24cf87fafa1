#include "record_rename.h"

#include "cfg_store.h"
#include "cpic_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "record_text.h"
#include "tp_records.h"

#include <climits>
#include <iterator>

namespace {

constexpr NamedFamily kNamed[] = {
    {RecordFamily::Cpic, "CPIC_INFO", "SYMB_NAME", 8},
    {RecordFamily::Tp, "CLIENT_ATTACH", "TP_NAME", 65},
    {RecordFamily::Lux, "LUX_PROFILE", "PROFILE_NAME", 8},
    {RecordFamily::MidrangeSystem, "NODEX_SYSTEM", "HOST_NAME", 8},
};

// The code the family's writer refuses a name with; 0 when the name passes. Each check is
// run on a record whose other fields cannot fail before the name is looked at, so that it is
// the name's own rule that answers, whatever else the stored record holds.
int nameRefusal(const CfgStore& store, RecordFamily family, int occurrence,
                const std::string& name) {
    int flag = 0, code = 0;
    switch (family) {
    case RecordFamily::Cpic: {
        CpicSideInfoRecord r;
        cpicReadEntry(store, r);
        r.symbName = name;
        return cpicCheckWrite(r, flag, code) || code != 26 ? 0 : code;
    }
    case RecordFamily::Tp: {
        AttachTpRecord stored;
        tpReadSection(store, occurrence, stored);
        AttachTpRecord r;
        tpReadEntry(store, r);
        r.tpType = stored.tpType; // an SNA service TP has a name rule of its own
        r.tpName = name;
        return tpCheckWrite(r, flag, code) || (code != 38 && code != 40) ? 0 : code;
    }
    case RecordFamily::Lux: {
        LuxProfileRecord r;
        luxReadProfile(store, r);
        r.profileName = name;
        return luxCheckWrite(r, flag, code) || code != 48 ? 0 : code;
    }
    case RecordFamily::MidrangeSystem:
        return midrangeCheckSystem(name, "", "", flag, code) || code != 50 ? 0 : code;
    default:
        return 0;
    }
}

// Sets the first key of that name in the section to value where it stands; appends it when
// the section has none.
void setKeyInPlace(CfgStore& store, int occurrence, const char* section, const char* key,
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

} // namespace

const NamedFamily* namedFamily(RecordFamily family) {
    for (const NamedFamily& f : kNamed)
        if (f.family == family)
            return &f;
    return nullptr;
}

bool listNamedRecords(const CfgStore& store, RecordFamily family, std::vector<std::string>& list) {
    const NamedFamily* f = namedFamily(family);
    if (!f)
        return false;
    for (const CfgSection& s : store.sections()) {
        if (s.name != f->section)
            continue;
        if (const CfgKey* k = cfgFindKey(store, &s, 1, 0, f->key))
            list.emplace_back(k->value, 0, f->listedLength);
    }
    return true;
}

int namedRecordSection(const CfgStore& store, RecordFamily family, const std::string& name) {
    const NamedFamily* f = namedFamily(family);
    return f ? records::findByValue(store, f->section, f->key, name) : -1;
}

bool deleteRecordSection(CfgStore& store, RecordFamily family, int occurrence) {
    const NamedFamily* f = namedFamily(family);
    return f && cfgDeleteSection(store, occurrence, f->section) == 0;
}

RenameResult renameRecord(CfgStore& store, RecordFamily family, int occurrence,
                          const std::string& newName, int& errorCode) {
    const NamedFamily* f = namedFamily(family);
    if (!f || occurrence < 0 || !cfgFindSection(store, 1, occurrence, f->section))
        return RenameResult::Missing;
    std::string oldName;
    int first = -1;
    const bool named =
        cfgGetValue(store, occurrence, f->section, first, f->key, oldName, SIZE_MAX) == 0;
    if (named && oldName == newName)
        return RenameResult::Renamed;
    errorCode = nameRefusal(store, family, occurrence, newName);
    if (errorCode != 0)
        return RenameResult::Refused;
    const int holder = namedRecordSection(store, family, newName);
    if (holder >= 0 && holder != occurrence)
        return RenameResult::Duplicate;
    setKeyInPlace(store, occurrence, f->section, f->key, newName);
    // The default profile is named in a section of its own, which follows the profile.
    std::string defaultProfile;
    int k = -1;
    if (family == RecordFamily::Lux && named &&
        cfgGetValue(store, 0, "DEF_LUX_PROF", k, "DEF_PROF_NAME", defaultProfile, SIZE_MAX) == 0 &&
        defaultProfile == oldName)
        setKeyInPlace(store, 0, "DEF_LUX_PROF", "DEF_PROF_NAME", newName);
    return RenameResult::Renamed;
}
