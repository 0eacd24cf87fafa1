#include "mode_names.h"

#include "sheet_text.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_environment.h"

void fillModeNameList(std::vector<std::string>& list) {
    for (int id : {ids::kMode1, ids::kMode2, ids::kMode3, ids::kMode4, ids::kMode5, ids::kMode6})
        list.push_back(TelaEnvironment::GetUserString(id));
}

void showStoredMode(TelaComboBox& box, const std::string& stored) {
    const QString text = fromBytes(stored);
    const int offered = box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box.SetCurSel(offered);
    if (offered < 0)
        box.setEditText(text);
}
