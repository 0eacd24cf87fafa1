// The checks of `check`: for each record of a store, what its writer's check would say,
// plus what would stop the editor elsewhere (a section without its name key, a LUx profile
// whose first link has no server) and entries of the older form, which are checked as the
// conversion on open writes them back.
#pragma once

#include "tool_kinds.h"

#include <string>
#include <vector>

class CfgStore;

struct Finding {
    ToolKind kind;
    std::string name;    // file bytes; empty for the one-record kinds
    int code = 0;        // 0 for a warning
    std::string warning; // UTF-8; empty for an error
};

// Findings in the order of the sections in the store.
std::vector<Finding> checkRecords(const CfgStore& store);
