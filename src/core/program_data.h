// Where the programs find their data files (the language libraries, the help file): beside
// the program in a build folder, and in the data folder of the prefix the program is
// installed in, found from the program's own folder so that the prefix can be anywhere.
#pragma once

#include <string>
#include <vector>

// The folders to look in, in order: programDir itself, then the installed data folder
// relative to it. None when programDir is empty.
std::vector<std::string> programDataFolders(const std::string& programDir);

// The first of those folders that holds a file named `name`, joined with the name; the
// name in the installed data folder when no folder holds it.
std::string programDataFile(const std::string& programDir, const std::string& name);
