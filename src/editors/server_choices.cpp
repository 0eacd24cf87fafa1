#include "server_choices.h"

#include "messages.h"
#include "record_types.h"
#include "sheet_text.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_input_rule.h"
#include "tela_legend.h"

#include <array>

namespace {

struct EncryptionEntry {
    int legend;
    const char* code;
};
constexpr std::array<EncryptionEntry, 3> kEncryption{{
    {ids::kEncryptionOff, kEncOff},
    {ids::kEncryptionOn, kEncOn},
    {ids::kEncryptionOptional, kEncOpt},
}};

} // namespace

std::string transportTextOf(int index) {
    switch (index) {
    case 0:
    case 2:
        return transportTexts().first;
    case 1:
        return transportTexts().second;
    default:
        return {};
    }
}

std::string encryptionCodeOf(int index) {
    return index >= 0 && index < static_cast<int>(kEncryption.size()) ? kEncryption[index].code
                                                                      : std::string();
}

int encryptionIndexOf(const std::string& code) {
    for (std::size_t i = 0; i < kEncryption.size(); ++i)
        if (code == kEncryption[i].code)
            return static_cast<int>(i);
    return 0;
}

void fillEncryptionList(TelaComboBox& list) {
    for (const EncryptionEntry& entry : kEncryption)
        list.AddString(telaLegendText(entry.legend));
}

std::string upperCaseName(const std::string& name) {
    return toBytes(TelaInputRule::toUpperLatin1(fromBytes(name)));
}
