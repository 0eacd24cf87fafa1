#include "commands.h"
#include "tela_environment.h"

#include <ostream>

namespace {

// The library file's own escapes, so that every text stays on its one line.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

} // namespace

int runStrings(const Invocation& inv, std::istream& /*in*/, std::ostream& out, std::ostream& err) {
    if (inv.ids.empty()) {
        for (const auto& [id, text] : TelaEnvironment::AllStrings())
            out << id << '\t' << escaped(text) << '\n';
        return kExitOk;
    }
    std::vector<int> ids;
    for (const std::string& text : inv.ids) {
        int id = 0;
        if (!parseStringId(text, id))
            return useError(err, inv.command, "'" + text + "' is not a string id");
        ids.push_back(id);
    }
    for (int id : ids)
        out << id << '\t' << escaped(TelaEnvironment::GetUserString(id)) << '\n';
    return kExitOk;
}
