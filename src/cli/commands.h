// The tool's commands. Each takes the parsed command line, prints its result to out and
// its failures to err, and returns the exit code. in is standard input: put's JSON, and
// the file of the commands that only read when FILE is "-".
#pragma once

#include "command_line.h"

#include <iosfwd>

int runDump(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runList(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runGet(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runPut(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runDelete(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runDiff(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runCheck(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runConvert(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runSave(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runStrings(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
int runKinds(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err);
