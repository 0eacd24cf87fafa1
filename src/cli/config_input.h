// FILE as the commands that only read take it: a path, or "-" for standard input, which is
// read into memory and parsed by the same reader.
#pragma once

#include <iosfwd>
#include <string>

class CfgStore;
struct UnreadText;

// True for the FILE argument that names standard input.
inline bool isStandardInput(const std::string& file) {
    return file == "-";
}

// The commands that write FILE (put, delete, save, convert) need a file: "-" is an error
// of use for them (kExitUsage, named on err); kExitOk otherwise.
int needsRealFile(const std::string& command, const std::string& file, std::ostream& err);

// Reads the configuration into store, reading its bytes once. With bytes, also keeps them
// (for the line numbers of check); with unread, where the reader left text out. kExitOk, or
// the exit code with the failure named on err.
int readConfigurationInput(CfgStore& store, const std::string& file, std::istream& in,
                           std::ostream& err, std::string* bytes = nullptr,
                           UnreadText* unread = nullptr);
