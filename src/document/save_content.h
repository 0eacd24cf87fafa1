// What a save writes: the default sections it adds when they are missing, and the file's
// bytes. The review of changes and the tool's --diff and --check show exactly this, so it
// is the one place where a save's content is decided.
#pragma once

#include <string>

class CfgStore;

// Adds a default GLOBAL section and the TRACE defaults when the store has none.
void addSaveDefaults(CfgStore& store);

// The bytes a save of this store would write now, defaults included. The store itself is
// left as it is.
std::string savedBytes(const CfgStore& store);
