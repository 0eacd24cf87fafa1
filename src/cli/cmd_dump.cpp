#include "cfg_file.h"
#include "cfg_store.h"
#include "commands.h"
#include "file_steps.h"
#include "json_text.h"

#include <ostream>

int runDump(const Invocation& inv, std::ostream& out, std::ostream& err) {
    CfgStore store;
    if (int code = readConfiguration(store, inv.files.front(), err); code != kExitOk)
        return code;
    Json sections = Json::array();
    for (const CfgSection* s = store.firstSection(); s; s = store.nextSection(s)) {
        Json keys = Json::array();
        for (const CfgKey* k = store.firstKey(s); k; k = store.nextKey(k)) {
            Json key = Json::object();
            key["name"] = jsonBytes(store.keyName(k));
            key["value"] = jsonBytes(store.keyValue(k));
            keys.push_back(std::move(key));
        }
        Json section = Json::object();
        section["name"] = jsonBytes(store.sectionName(s));
        section["keys"] = std::move(keys);
        sections.push_back(std::move(section));
    }
    Json document = Json::object();
    document["sections"] = std::move(sections);
    out << jsonText(document) << '\n';
    return kExitOk;
}
