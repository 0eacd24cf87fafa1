#include "cpic_security_page.h"

#include "cpic_records.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_legend.h"
#include "ui_cpic_security.h"

#include <array>

using F = RecordFamily;

namespace {

struct SecTypeEntry {
    int legend;
    int secType;
};
constexpr std::array<SecTypeEntry, 4> kSecTypes{{
    {ids::kCpicSecNone, 0},
    {ids::kCpicSecSame, 1},
    {ids::kCpicSecProgram, 2},
    {ids::kCpicSecStrong, 5},
}};

} // namespace

int cpicSecTypeOfIndex(int index) {
    return index >= 0 && index < static_cast<int>(kSecTypes.size()) ? kSecTypes[index].secType : -1;
}

int cpicIndexOfSecType(int secType) {
    for (std::size_t i = 0; i < kSecTypes.size(); ++i)
        if (kSecTypes[i].secType == secType)
            return static_cast<int>(i);
    return -1;
}

CPgCpicSec::CPgCpicSec() : SheetPage(helpTopic(1)), m_ui(std::make_unique<Ui::CpicSecurityPage>()) {
    m_ui->setupUi(this);
    CpicSecurityValues& v = values;
    setControls({
        {kSecTypeLabel, "secTypeLabel", {}, 0, kStyleNone, ids::kCpicLegendSecType, 0},
        {kSecType, "secTypeCombo", &v.secTypeIndex, 0, kStyleNone, 0, 23},
        {kUserIdLabel, "userIdLabel", {}, 0, kStyleNone, ids::kCpicLegendUserId, 0},
        {kUserId, "userIdEdit", &v.userId, keyLimit<F::Cpic>("SEC_USERID"), kStyleNone, 0, 24},
        {kPasswordLabel, "passwordLabel", {}, 0, kStyleNone, ids::kCpicLegendPassword, 0},
        {kPassword, "passwordEdit", &v.password, kPasswordLimit, kStylePassword, 0, 25},
    });
    connect(m_ui->secTypeCombo, &QComboBox::currentIndexChanged, this,
            &CPgCpicSec::applySecurityRule);
}

CPgCpicSec::~CPgCpicSec() = default;

void CPgCpicSec::initPage() {
    TelaComboBox& types = *m_ui->secTypeCombo;
    for (const SecTypeEntry& entry : kSecTypes)
        types.AddString(telaLegendText(entry.legend));
    types.SetCurSel(values.secTypeIndex);
    applySecurityRule(types.GetCurSel());
}

void CPgCpicSec::applySecurityRule(int index) {
    const int secType = cpicSecTypeOfIndex(index);
    enableControl(kUserId, cpicSecTypeTakesUserId(secType));
    enableControl(kPassword, cpicSecTypeTakesPassword(secType));
}
