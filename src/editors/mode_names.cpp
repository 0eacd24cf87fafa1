#include "mode_names.h"

#include "string_ids.h"
#include "tela_environment.h"

void fillModeNameList(std::vector<std::string>& list) {
    for (int id : {ids::kMode1, ids::kMode2, ids::kMode3, ids::kMode4, ids::kMode5, ids::kMode6})
        list.push_back(TelaEnvironment::GetUserString(id));
}
