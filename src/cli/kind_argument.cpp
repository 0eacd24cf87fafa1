#include "kind_argument.h"

#include <string>

const ToolKindInfo* kindArgument(const Invocation& inv, std::initializer_list<ToolKind> refused,
                                 std::ostream& err) {
    const ToolKindInfo* info = findKind(inv.kind);
    if (!info) {
        useError(err, inv.command,
                 "unknown KIND '" + inv.kind + "' (one of " + std::string(kindNamesText()) + ")");
        return nullptr;
    }
    for (ToolKind k : refused) {
        if (k == info->kind) {
            useError(err, inv.command,
                     "'" + inv.command + "' does not take the kind '" + inv.kind + "'");
            return nullptr;
        }
    }
    if (info->nameKey.empty() && inv.hasName) {
        useError(err, inv.command, "the kind '" + inv.kind + "' has no NAME");
        return nullptr;
    }
    return info;
}
