// The records passed between the record modules, the editors and the tool. Each is a fixed
// set of texts and small integers, copied whole. Texts are the file's bytes as they stand.
#pragma once

#include <array>
#include <cstddef>
#include <string>

struct CpicSideInfoRecord {
    std::string symbName;  // SYMB_NAME
    std::string localLu;   // LOCAL_LU
    std::string partnerLu; // PART_LU
    std::string mode;      // MODE
    std::string remoteTp;  // REMOTE_TP
    int tpType = 0;        // TP_TYPE: 0 application TP name, 1 SNA service TP name
    int secType = 0;       // SEC_TYPE: 0 none, 1 same, 2 program, 5 program-strong
    std::string password;  // SEC_PW, plain here, scrambled in the store
    std::string userId;    // SEC_USERID
    int pluType = 0;       // PLU_TYPE: 0 alias, 1 fully qualified name

    bool operator==(const CpicSideInfoRecord&) const = default;
};

struct AttachTpRecord {
    std::string tpName;     // TP_NAME
    std::string luName;     // LU_NAME
    std::string path;       // PATH
    std::string parmString; // PARM_STRING
    int tpType = 0;         // TP_TYPE
    int tpOp = 0;           // TP_OP: 0 dynamically loaded, 1 not

    bool operator==(const AttachTpRecord&) const = default;
};

struct GlobalRecord {
    std::string userName;       // USER_NAME
    std::string password;       // PASSWORD, plain here, scrambled in the store
    std::string translateTable; // TRANSLATE_TABLE
    std::string defLuAlias;     // DEF_LU_ALIAS
    std::string defPluAlias;    // DEF_PLU_ALIAS

    bool operator==(const GlobalRecord&) const = default;
};

// An APPC server list holds four server rows, and a LUx profile four links.
inline constexpr std::size_t kRowCount = 4;

struct AppcRecord {
    int selection = 0;     // 0 server list in force, 1 scope in force
    int loadBalancing = 0; // LU62_LB in GLOBAL
    std::array<std::string, kRowCount> serverName;
    std::array<std::string, kRowCount> transport;
    std::array<std::string, kRowCount> encryption;
    std::string scopeName;
    std::string scopeEncryption;

    bool operator==(const AppcRecord&) const = default;
};

// The LU category of a link that names no LU: the writer leaves no LU name piece for it,
// and an unused link has it.
inline constexpr int kNoLuNameCategory = 1;

struct LuxLink {
    std::string serverName;           // "*" for a scope link, empty for an unused link
    int category = kNoLuNameCategory; // LU category 0, 1 or 3
    std::string luName;
    std::string transport;
    std::string scopeName;
    std::string encryption;

    bool operator==(const LuxLink&) const = default;
};

struct LuxProfileRecord {
    std::string profileName; // PROFILE_NAME
    std::array<LuxLink, kRowCount> links;
    int isDefault = 0; // named in DEF_LUX_PROF

    bool operator==(const LuxProfileRecord&) const = default;
};

struct MidrangeSystemRecord {
    std::string hostName;    // HOST_NAME
    std::string userId;      // USER_NAME
    std::string password;    // PASSWORD, plain here
    std::string defaultFlag; // DEFAULT as stored

    bool operator==(const MidrangeSystemRecord&) const = default;
};

struct MidrangeCommonRecord {
    std::string localLu;  // LOCAL_LU
    std::string mode;     // MODE
    std::string userId;   // USER_NAME
    std::string password; // PASSWORD, plain here

    bool operator==(const MidrangeCommonRecord&) const = default;
};

// Encryption codes of APPC servers and LUx links.
inline constexpr const char* kEncOff = "ENC_OFF";
inline constexpr const char* kEncOn = "ENC_ON";
inline constexpr const char* kEncOpt = "ENC_OPT";
