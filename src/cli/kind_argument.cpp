#include "kind_argument.h"

#include <string>

bool kindTakes(const RecordKind& kind, KindUse use) {
    switch (use) {
    case KindUse::Listing:
        return kind.list != nullptr;
    case KindUse::OneRecord:
        return kind.read != nullptr;
    case KindUse::Removal:
        return kind.remove != nullptr;
    }
    return false;
}

std::vector<std::string_view> commandsTaking(const RecordKind& kind) {
    std::vector<std::string_view> commands;
    if (kindTakes(kind, KindUse::Listing))
        commands.push_back("list");
    if (kindTakes(kind, KindUse::OneRecord))
        commands.insert(commands.end(), {"get", "put"});
    if (kindTakes(kind, KindUse::Removal))
        commands.push_back("delete");
    return commands;
}

const RecordKind* kindArgument(const Invocation& inv, KindUse use, std::ostream& err) {
    const RecordKind* kind = findToolKind(inv.kind);
    if (!kind) {
        useError(err, inv.command,
                 "unknown KIND '" + inv.kind + "' (one of " + kindNamesText() + ")");
        return nullptr;
    }
    if (!kindTakes(*kind, use)) {
        // A kind that is one record has no list; get prints that record.
        const std::string hint = use == KindUse::Listing ? "; use 'get FILE " + inv.kind + "'" : "";
        useError(err, inv.command,
                 "'" + inv.command + "' does not take the kind '" + inv.kind + "'" + hint);
        return nullptr;
    }
    if (kind->nameKey.empty() && inv.hasName) {
        useError(err, inv.command, "the kind '" + inv.kind + "' has no NAME");
        return nullptr;
    }
    return kind;
}
