// The sections of the configuration file that hold the records and the save's defaults,
// each named once: the table of kinds, the records' modules and the password keys take
// their names from here.
#pragma once

#include <string_view>

namespace sections {
inline constexpr std::string_view kGlobal = "GLOBAL";
inline constexpr std::string_view kAppc = "APPC";
inline constexpr std::string_view kCpic = "CPIC_INFO";
inline constexpr std::string_view kAttach = "CLIENT_ATTACH";
inline constexpr std::string_view kLux = "LUX_PROFILE";
inline constexpr std::string_view kLuxDefault = "DEF_LUX_PROF";
inline constexpr std::string_view kSystem = "NODEX_SYSTEM";
inline constexpr std::string_view kCommon = "NODEX_COMMON";
inline constexpr std::string_view kTrace = "TRACE";
} // namespace sections
