#include "cpic_basic_page.h"

#include "mode_names.h"
#include "sheet_text.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "ui_cpic_basic.h"
#include "validation.h"

using F = RecordFamily;

CPgCpicBas::CPgCpicBas() : SheetPage(helpTopic(1)), m_ui(std::make_unique<Ui::CpicBasicPage>()) {
    m_ui->setupUi(this);
    CpicBasicValues& v = values;
    const NameRule name = kindOf(RecordFamily::Cpic).nameRule;
    setControls({
        {kSymbNameLabel, "symbNameLabel", {}, 0, kStyleNone, ids::kCpicLegendSymbName, 0},
        {kSymbName, "symbNameEdit", &v.symbName, nameLimit(name), nameStyle(name), 0, 14},
        {kLocalLuLabel, "localLuLabel", {}, 0, kStyleNone, ids::kCpicLegendLocalLu, 0},
        {kLocalLu, "localLuEdit", &v.localLu, keyLimit<F::Cpic>("LOCAL_LU"), kStyleNone, 0, 15},
        {kModeLabel, "modeLabel", {}, 0, kStyleNone, ids::kCpicLegendMode, 0},
        {kMode, "modeCombo", &v.mode, 0, kStyleUpperCase | kStyleSorted, 0, 16},
        {kServiceTp, "serviceTpCheck", &v.serviceTp, 0, kStyleNone, ids::kCpicLegendServiceTp, 22},
        {kRemoteTpLabel, "remoteTpLabel", {}, 0, kStyleNone, ids::kCpicLegendRemoteTp, 0},
        {kRemoteTp, "remoteTpEdit", &v.remoteTp, keyLimit<F::Cpic>("REMOTE_TP"), kStyleNone, 0, 21},
        {kPartnerGroup, "partnerGroup", {}, 0, kStyleNone, ids::kCpicLegendPartnerGroup, 0},
        {kQualifiedRadio, "qualifiedRadio", &v.partnerRadio, 0, kStyleNone,
         ids::kCpicLegendQualified, 17},
        {kAliasRadio, "aliasRadio", {}, 0, kStyleNone, ids::kCpicLegendAlias, 20},
        {kNetworkId, "networkIdEdit", &v.networkId, kNetworkIdLength, kStyleUpperCase, 0, 17,
         ids::kCpicLegendQualified},
        {kLuName, "luNameEdit", &v.luName, kLuNameLength, kStyleUpperCase, 0, 17,
         ids::kCpicLegendQualified},
        {kPartnerAlias, "partnerAliasEdit", &v.partnerAlias, kLuAliasLength, kStyleNone, 0, 20,
         ids::kCpicLegendAlias},
    });
    // Checked by a click or by the arrow keys alike.
    connect(m_ui->qualifiedRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyPartnerRule(false);
    });
    connect(m_ui->aliasRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyPartnerRule(true);
    });
}

CPgCpicBas::~CPgCpicBas() = default;

void CPgCpicBas::initPage() {
    applyPartnerRule(values.partnerRadio == 1);
    TelaComboBox& modes = *m_ui->modeCombo;
    for (const std::string& name : values.modeNames)
        modes.AddString(fromBytes(name));
    values.modeNames.clear();
    showStoredMode(modes, values.mode);
}

void CPgCpicBas::applyPartnerRule(bool alias) {
    enableControl(kNetworkId, !alias);
    enableControl(kLuName, !alias);
    enableControl(kPartnerAlias, alias);
}
