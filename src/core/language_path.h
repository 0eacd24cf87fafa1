// Choosing and loading the language library at start-up, shared by the editor and the tool.
#pragma once

#include <string>
#include <vector>

// Folders searched for language libraries, in order: the folder named by the environment
// variable APICFG_LANG_DIR when it is set, the program's own folder, then the data folder
// of the prefix the program is installed in (program_data.h). Empty entries are left out.
std::vector<std::string> defaultLanguageSearchPath(const std::string& programDir);

// The start-up step: sets the search path, lets TelaEnvironment::SetLanguage pick the
// library for the user's default language (or takes overrideName, a library name or a
// path to a .lang file), loads it and reloads the two transport texts. Returns false when
// no library could be loaded; every text is then empty and the program goes on.
bool loadUserLanguage(const std::string& programDir, const std::string& overrideName = "");
