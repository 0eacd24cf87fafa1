// Generated configuration files for the benchmarks: a realistic mix of records for a big
// site, written in the client's layout (CR LF, no continuation lines, so that a general INI
// parser reads the same sections, keys and values).
#pragma once

#include <cstddef>
#include <string>

// The file text of `sections` sections: one GLOBAL, APPC and TRACE, about 1% NODEX_SYSTEM,
// the rest CPIC_INFO, CLIENT_ATTACH and LUX_PROFILE.
std::string generateConfiguration(std::size_t sections);
// The same with that many of the records NODEX_SYSTEM.
std::string generateConfiguration(std::size_t sections, std::size_t systems);

// The file text of `sections` CPIC_INFO sections and nothing else.
std::string generateCpicConfiguration(std::size_t sections);

// Writes the generated file to dir/name and returns its path.
std::string writeGeneratedConfiguration(const std::string& dir, std::size_t sections);
std::string writeGeneratedConfiguration(const std::string& dir, std::size_t sections,
                                        std::size_t systems);
