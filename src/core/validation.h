// SNA name classes and the record checks that every record writer runs before it touches
// the store. A check stops at the first failing field: it sets the failure flag to 256 and
// the error code, and leaves both alone when the record passes.
#pragma once

#include "messages.h"
#include "record_types.h"

#include <cstddef>
#include <string>
#include <string_view>

// SNA name lengths: an LU alias, a mode name, and the two halves of a network-qualified LU
// name (the network ID and the LU name), which a period joins.
inline constexpr std::size_t kLuAliasLength = 8;
inline constexpr std::size_t kModeNameLength = 8;
inline constexpr std::size_t kNetworkIdLength = 8;
inline constexpr std::size_t kLuNameLength = 8;
inline constexpr std::size_t kQualifiedLuLength = kNetworkIdLength + 1 + kLuNameLength;
// A user ID is checked over exactly this many characters of its padded copy: blanks fill a
// shorter one, and characters past it are not looked at. It is also the longest user ID the
// checks let pass.
inline constexpr std::size_t kUserIdCheckLength = 10;

// A copy of text lengthened with blanks to width; a longer text is left as it is.
std::string padRight(std::string_view text, std::size_t width);

// Each test looks at `length` characters where it takes a length.
bool isAliasText(std::string_view text, std::size_t length);
bool isLuAlias(std::string_view text);
// An LU alias field padded to kLuAliasLength: an alias, "*" for any LU, or blank; a local
// LU's field: an alias or "*", never blank.
bool isAliasField(std::string_view padded);
bool isLocalAliasField(std::string_view padded);
bool isTypeAName(std::string_view text, std::size_t length);
bool isMixedCaseName(std::string_view text, std::size_t length);
bool isAppTpName(std::string_view text, std::size_t length);
bool isServiceTpName(std::string_view text);
// The network ID before the period of a qualified LU name, which may be empty.
bool isNetworkId(std::string_view text);
bool isQualifiedLuName(std::string_view text);
bool isCpicSecurityText(std::string_view text, std::size_t length);
bool isHostSecurityText(std::string_view text, std::size_t length);
bool isUserText(std::string_view text, std::size_t length);
bool isHostName(std::string_view text, std::size_t length);
// Compares transport with the two transport texts of the language library loaded now.
bool isServerName(std::string_view text, std::size_t length, std::string_view transport);

// The record checks take the records as their writers pad them.
void cpicCheckEntry(const CpicSideInfoRecord& padded, int& failureFlag, ErrorCode& errorCode);
void tpCheckEntry(const AttachTpRecord& padded, int& failureFlag, ErrorCode& errorCode);
void globalCheck(const GlobalRecord& padded, int& failureFlag, ErrorCode& errorCode);
// The two checks of rows also say which row they refused, when asked (refusedRow).
void appcCheck(const AppcRecord& record, int& failureFlag, ErrorCode& errorCode,
               int* refusedRow = nullptr);
void luxCheckProfile(const LuxProfileRecord& record, int& failureFlag, ErrorCode& errorCode,
                     int* refusedRow = nullptr);
// A midrange system: the host name, then the user ID and password.
void midrangeSystemCheck(std::string_view hostName, std::string_view paddedUserId,
                         std::string_view paddedPassword, int& failureFlag, ErrorCode& errorCode);
// The midrange common settings: the mode, then the user ID and password.
void midrangeCommonCheck(std::string_view mode, std::string_view paddedUserId,
                         std::string_view paddedPassword, int& failureFlag, ErrorCode& errorCode);
