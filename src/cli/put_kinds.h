// What put needs of each kind of record: where it starts from, its check, its write, and
// its JSON, so that one sequence puts every kind (put_record.h).
#pragma once

#include "appc_records.h"
#include "cfg_store.h"
#include "cpic_records.h"
#include "global_records.h"
#include "lux_records.h"
#include "midrange_records.h"
#include "record_checks.h"
#include "record_json.h"
#include "tp_records.h"

#include <string>

namespace put {

// A kind of many records: read by its name, written by its writer.
template <typename Record> struct Named;

template <> struct Named<CpicSideInfoRecord> {
    static std::string& name(CpicSideInfoRecord& r) { return r.symbName; }
    static bool read(const CfgStore& s, CpicSideInfoRecord& r) { return cpicReadEntry(s, r); }
    static int write(CfgStore& s, const CpicSideInfoRecord& r, int& flag, int& code) {
        return cpicWriteEntry(s, r, flag, code);
    }
    static RecordRefusal check(const CpicSideInfoRecord& r, const CfgStore&) {
        return cpicCheckRecord(r);
    }
    static Json json(const CpicSideInfoRecord& r) { return recordJson(r, true); }
};

template <> struct Named<AttachTpRecord> {
    static std::string& name(AttachTpRecord& r) { return r.tpName; }
    static bool read(const CfgStore& s, AttachTpRecord& r) { return tpReadEntry(s, r); }
    static int write(CfgStore& s, const AttachTpRecord& r, int& flag, int& code) {
        return tpWriteEntry(s, r, flag, code);
    }
    static RecordRefusal check(const AttachTpRecord& r, const CfgStore&) {
        return tpCheckRecord(r);
    }
    static Json json(const AttachTpRecord& r) { return recordJson(r); }
};

template <> struct Named<LuxProfileRecord> {
    static std::string& name(LuxProfileRecord& r) { return r.profileName; }
    static bool read(const CfgStore& s, LuxProfileRecord& r) { return luxReadProfile(s, r); }
    static int write(CfgStore& s, const LuxProfileRecord& r, int& flag, int& code) {
        return luxWriteProfile(s, r, flag, code);
    }
    static RecordRefusal check(const LuxProfileRecord& r, const CfgStore&) {
        return luxCheckRecord(r);
    }
    static Json json(const LuxProfileRecord& r) { return recordJson(r); }
};

template <> struct Named<MidrangeSystemRecord> {
    static std::string& name(MidrangeSystemRecord& r) { return r.hostName; }
    static bool read(const CfgStore& s, MidrangeSystemRecord& r) {
        return midrangeReadSystem(s, r);
    }
    // The password is entered once here; it is its own verification.
    static int write(CfgStore& s, const MidrangeSystemRecord& r, int& flag, int& code) {
        return midrangeWriteSystem(s, r.hostName, r.userId, r.password, r.password, r.defaultFlag,
                                   flag, code);
    }
    static RecordRefusal check(const MidrangeSystemRecord& r, const CfgStore&) {
        return systemCheckRecord(r);
    }
    static Json json(const MidrangeSystemRecord& r) { return recordJson(r, true); }
};

// Where put starts for a kind of many records: the record of that name, or the values of a
// new record under that name; existed tells which.
template <typename Record>
Record startNamed(const CfgStore& s, const std::string& name, bool& existed) {
    using K = Named<Record>;
    Record r;
    K::name(r) = name;
    existed = !name.empty() && K::read(s, r);
    if (existed)
        return r;
    r = Record();
    K::read(s, r); // the empty name gives the values of a new record
    K::name(r) = name;
    return r;
}

// A kind of one record: always read (a new record's values when its section is missing).
template <typename Record> struct Single;

template <> struct Single<GlobalRecord> {
    static bool exists(const CfgStore& s) { return s.hasSection("GLOBAL"); }
    static void read(const CfgStore& s, GlobalRecord& r) { globalRead(s, r); }
    static int write(CfgStore& s, const GlobalRecord& r, int& flag, int& code) {
        return globalWrite(s, r, flag, code);
    }
    static RecordRefusal check(const GlobalRecord& r, const CfgStore&) {
        return globalCheckRecord(r);
    }
    static Json json(const GlobalRecord& r) { return recordJson(r, true); }
};

template <> struct Single<AppcRecord> {
    static bool exists(const CfgStore& s) { return s.hasSection("APPC"); }
    static void read(const CfgStore& s, AppcRecord& r) {
        int missing = 0;
        appcRead(s, r, missing);
    }
    static int write(CfgStore& s, const AppcRecord& r, int& flag, int& code) {
        return appcWrite(s, r, flag, code);
    }
    static RecordRefusal check(const AppcRecord& r, const CfgStore&) { return appcCheckRecord(r); }
    static Json json(const AppcRecord& r) { return recordJson(r); }
};

template <> struct Single<MidrangeCommonRecord> {
    static bool exists(const CfgStore& s) { return s.hasSection("NODEX_COMMON"); }
    static void read(const CfgStore& s, MidrangeCommonRecord& r) { midrangeReadCommon(s, r); }
    // The editor passes the user id as the spare fifth string.
    static int write(CfgStore& s, const MidrangeCommonRecord& r, int& flag, int& code) {
        return midrangeWriteCommon(s, r.localLu, r.mode, r.userId, r.password, r.userId, flag,
                                   code);
    }
    static RecordRefusal check(const MidrangeCommonRecord& r, const CfgStore& s) {
        return commonCheckRecord(r, s);
    }
    static Json json(const MidrangeCommonRecord& r) { return recordJson(r, true); }
};

} // namespace put
