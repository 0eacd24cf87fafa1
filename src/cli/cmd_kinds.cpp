#include "commands.h"
#include "json_text.h"
#include "kind_argument.h"
#include "password_keys.h"
#include "record_kinds.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A key of the kind, or null where it has none.
Json keyOrNull(std::string_view key) {
    return key.empty() ? Json() : Json(std::string(key));
}

Json kindJson(const RecordKind& k) {
    const PasswordKey* password = passwordKeyIn(k.section);
    Json commands = Json::array();
    for (std::string_view c : commandsTaking(k))
        commands.push_back(std::string(c));
    return Json{{"kind", std::string(k.toolName)},
                {"section", keyOrNull(k.section)},
                {"name_key", keyOrNull(k.nameKey)},
                {"password_key", keyOrNull(password ? password->key : std::string_view())},
                {"commands", std::move(commands)},
                {"text", std::string(k.toolText)}};
}

std::string joined(const std::vector<std::string_view>& words) {
    std::string text;
    for (std::string_view w : words)
        text += (text.empty() ? "" : " ") + std::string(w);
    return text;
}

} // namespace

int runKinds(const Invocation& inv, std::istream& /*in*/, std::ostream& out,
             std::ostream& /*err*/) {
    if (inv.json) {
        Json kinds = Json::array();
        for (const RecordKind& k : recordKinds())
            kinds.push_back(kindJson(k));
        out << jsonText(kinds) << '\n';
        return kExitOk;
    }
    for (const RecordKind& k : recordKinds())
        out << k.toolName << '\t' << (k.nameKey.empty() ? "-" : k.nameKey) << '\t'
            << joined(commandsTaking(k)) << '\t' << k.toolText << '\n';
    return kExitOk;
}
