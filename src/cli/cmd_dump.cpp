#include "cfg_file.h"
#include "cfg_store.h"
#include "commands.h"
#include "config_input.h"
#include "file_steps.h"
#include "json_text.h"
#include "password_keys.h"
#include "record_json.h"
#include "scramble.h"

#include <ostream>

namespace {

// A password that its reader takes as it stands (it is not scrambled text) is the password
// itself: shown as the placeholder, like every password the tool prints.
Json valueJson(std::string_view section, std::string_view key, std::string_view value,
               bool showPasswords) {
    if (showPasswords || value.empty())
        return jsonBytes(value);
    if (const PasswordKey* p = passwordKeyOf(section, key)) {
        std::string_view read = value.substr(0, p->storedLength());
        if (unscramblePassword(read, p->maxPlain) == read)
            return Json(p->placeholder());
    }
    return jsonBytes(value);
}

} // namespace

int runDump(const Invocation& inv, std::istream& in, std::ostream& out, std::ostream& err) {
    CfgStore store;
    if (int code = readConfigurationInput(store, inv.files.front(), in, err); code != kExitOk)
        return code;
    Json sections = Json::array();
    for (const CfgSection& s : store.sections()) {
        Json keys = Json::array();
        for (const CfgKey& k : s.keys) {
            Json key = Json::object();
            key["name"] = jsonBytes(k.name);
            key["value"] = valueJson(s.name, k.name, k.value, inv.showPasswords);
            keys.push_back(std::move(key));
        }
        Json section = Json::object();
        section["name"] = jsonBytes(s.name);
        section["keys"] = std::move(keys);
        sections.push_back(std::move(section));
    }
    Json document = Json::object();
    document["sections"] = std::move(sections);
    out << jsonText(document) << '\n';
    return kExitOk;
}
