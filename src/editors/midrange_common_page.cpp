#include "midrange_common_page.h"

#include "mode_names.h"
#include "sheet_text.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "ui_midrange_common.h"

using F = RecordFamily;

CPgNODEXCommom::CPgNODEXCommom()
    : SheetPage(HelpRef{}), m_ui(std::make_unique<Ui::MidrangeCommonPage>()) {
    m_ui->setupUi(this);
    MidrangeCommonValues& v = values;
    constexpr unsigned kSecret = kStyleUpperCase | kStylePassword;
    setControls({
        {kIntro, "explanationLabel", {}, 0, kStyleNone, ids::kMidCommonIntro, 0},
        {kNetworkGroup, "networkGroup", {}, 0, kStyleNone, ids::kMidGroupNetwork, 0},
        {kLocalLuLabel, "localLuLabel", {}, 0, kStyleNone, ids::kMidLocalLu, 0},
        {kLocalLu, "localLuEdit", &v.localLu, keyLimit<F::MidrangeCommon>("LOCAL_LU"),
         kStyleUpperCase, 0, 48},
        {kModeLabel, "modeLabel", {}, 0, kStyleNone, ids::kMidMode, 0},
        {kMode, "modeCombo", &v.mode, 0, kStyleUpperCase | kStyleSorted, 0, 49},
        {kSecurityGroup, "securityGroup", {}, 0, kStyleNone, ids::kMidGroupSecurity, 0},
        {kUserIdLabel, "userIdLabel", {}, 0, kStyleNone, ids::kMidCommonUserId, 0},
        {kUserId, "userIdEdit", &v.userId, keyLimit<F::MidrangeCommon>("USER_NAME"),
         kStyleUpperCase, 0, 50},
        {kPasswordLabel, "passwordLabel", {}, 0, kStyleNone, ids::kMidPassword, 0},
        {kPassword, "passwordEdit", &v.password, kPasswordLimit, kSecret, 0, 51},
        {kVerifyLabel, "verifyLabel", {}, 0, kStyleNone, ids::kMidVerify, 0},
        {kVerify, "verifyEdit", &v.verification, kPasswordLimit, kSecret, 0, 52},
    });
}

CPgNODEXCommom::~CPgNODEXCommom() = default;

void CPgNODEXCommom::initPage() {
    TelaComboBox& modes = *m_ui->modeCombo;
    for (const std::string& name : values.modeNames)
        modes.AddString(fromBytes(name));
    values.modeNames.clear();
    // New common settings bring the link mode with them (the reader's value for them).
    showStoredMode(modes, values.mode);
    m_ui->localLuEdit->setFocus(Qt::OtherFocusReason);
    m_ui->localLuEdit->selectAll();
}
