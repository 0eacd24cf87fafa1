// LUx profiles: one LUX_PROFILE section each, named by PROFILE_NAME, and the default
// profile named in DEF_LUX_PROF.
#pragma once

#include "messages.h"
#include "record_types.h"
#include "section_names.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CfgStore;

// The section that names the default profile, and its key.
inline constexpr std::string_view kLuxDefaultSection = sections::kLuxDefault;
inline constexpr std::string_view kLuxDefaultKey = "DEF_PROF_NAME";
// How much of a PROFILE_NAME the list (and what else goes by the listed names) takes, and
// how much the profile's reader takes: a nine-character name is listed by its first eight,
// under which no profile is found.
inline constexpr std::size_t kLuxNameListed = 8;
inline constexpr std::size_t kLuxNameRead = 9;
// Whether the default profile section names the profile.
bool luxIsDefaultProfile(const CfgStore& store, std::string_view name);
// A renamed default profile stays the default: the section names the new name, in place.
void luxRenameDefault(CfgStore& store, std::string_view oldName, std::string_view newName);
// Makes the profile the default (its name in a new first default section, in place of the
// first one) or not (the section naming it goes). False when the store refuses.
bool luxMarkDefault(CfgStore& store, std::string_view name, bool isDefault);
// The default mark goes with the last profile: without a LUX_PROFILE section the first
// default section goes too. A section without a name still counts as a profile.
void luxDropDefaultWithoutProfiles(CfgStore& store);

int luxListProfiles(const CfgStore& store, std::vector<std::string>& list);
int luxReadProfile(const CfgStore& store, LuxProfileRecord& record);
// Only the server names of the four links of profile section `section`, as luxReadSection
// reads them: enough to check a whole file's profiles quickly. A profile without its name
// gives none. 0 when there is no such section.
int luxReadServerNames(const CfgStore& store, int section,
                       std::array<std::string, kRowCount>& names);
// Parses one SESSION value into link n (1 to kRowCount).
void luxParseSession(LuxProfileRecord& record, std::string_view value, int n);
// The SESSION value the writer stores for a link.
std::string luxFormatSession(const LuxLink& link);
// The name and links of the profile in section occurrence s of LUX_PROFILE, whatever its
// name (into a record that starts empty); not whether it is the default.
void luxReadSection(const CfgStore& store, int s, LuxProfileRecord& record);
// What luxWriteProfile refuses before it touches the store: its check, then
// ErrorCode::NoFirstLink for a first link without server. 1 passes; 0 with flag and code.
int luxCheckWrite(const LuxProfileRecord& record, int& failureFlag, ErrorCode& errorCode,
                  int* refusedRow = nullptr);
int luxWriteProfile(CfgStore& store, LuxProfileRecord record, int& failureFlag,
                    ErrorCode& errorCode);
int luxDeleteProfile(CfgStore& store, std::string_view profileName); // always 1
