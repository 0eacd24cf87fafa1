#include "kind_argument.h"

#include <string>

const RecordKind* kindArgument(const Invocation& inv, KindUse use, std::ostream& err) {
    const RecordKind* kind = findToolKind(inv.kind);
    if (!kind) {
        useError(err, inv.command,
                 "unknown KIND '" + inv.kind + "' (one of " + kindNamesText() + ")");
        return nullptr;
    }
    const bool takes = use == KindUse::Removal ? kind->remove != nullptr : kind->read != nullptr;
    if (!takes) {
        useError(err, inv.command,
                 "'" + inv.command + "' does not take the kind '" + inv.kind + "'");
        return nullptr;
    }
    if (kind->nameKey.empty() && inv.hasName) {
        useError(err, inv.command, "the kind '" + inv.kind + "' has no NAME");
        return nullptr;
    }
    return kind;
}
