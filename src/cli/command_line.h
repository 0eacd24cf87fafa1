// The tool's command line: the commands, their arguments and options, --help and --version.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

struct Invocation {
    std::string command;            // "dump", "list", ...
    std::string file;               // FILE of the one-file commands
    std::vector<std::string> files; // FILE..., the one file included
    std::string kind;
    bool hasKind = false;
    std::string name;
    bool hasName = false;
    std::string input; // put: the JSON file, "-" or empty for standard input
    std::vector<std::string> ids;
    bool json = false;
    bool showPasswords = false;
    bool diff = false;      // put, delete, save: print the difference the save makes
    bool check = false;     // the same, but write nothing
    bool force = false;     // save over text the reader leaves out; replace existing derived files
    double lockWait = 10.0; // seconds to wait for another writer of FILE
    std::string language;
};

// The exit codes every command shares, one per condition.
inline constexpr int kExitOk = 0;
// A record refused or not found, check's findings, diff's differences.
inline constexpr int kExitFailed = 1;
// Called wrongly: unknown command or option, bad arguments, input that is not the kind's JSON.
inline constexpr int kExitUsage = 2;
// --check: the file would change.
inline constexpr int kExitWouldChange = 3;
// FILE cannot be read: missing, not a regular file, too large, malformed.
inline constexpr int kExitUnreadable = 4;
// FILE cannot be saved: the write failed, another program holds it, or it changed on disk.
inline constexpr int kExitNotSaved = 5;
// parseCommandLine's answer when the command is to run.
inline constexpr int kRunCommand = -1;

// Fills inv from the arguments. Returns kRunCommand when a command is to run; otherwise
// the exit code after help or the version went to out (0) or an error of use to err (2).
int parseCommandLine(int argc, const char* const* argv, Invocation& inv, std::ostream& out,
                     std::ostream& err);

// What runs a command: the parsed command line, standard input, output and error; returns
// the exit code. nullptr for a word that names no command.
using CommandRun = int (*)(const Invocation& inv, std::istream& in, std::ostream& out,
                           std::ostream& err);
CommandRun commandRun(std::string_view command);

// Writes an error of use in the tool's form and returns kExitUsage.
int useError(std::ostream& err, const std::string& command, const std::string& message);
