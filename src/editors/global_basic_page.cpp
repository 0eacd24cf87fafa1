#include "global_basic_page.h"

#include "sheet_browse.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "ui_global_basic.h"

using F = RecordFamily;

CPgUIPWBas::CPgUIPWBas() : SheetPage(HelpRef{}), m_ui(std::make_unique<Ui::GlobalBasicPage>()) {
    m_ui->setupUi(this);
    GlobalBasicValues& v = values;
    setControls({
        {kTranslateLabel, "translateLabel", {}, 0, kStyleNone, ids::kGlobalLegendTranslate, 0},
        {kTranslate, "translateEdit", &v.translateTable, keyLimit<F::Global>("TRANSLATE_TABLE"),
         kStyleNone, 0, 8},
        {kBrowse, "browseButton", {}, 0, kStyleNone, ids::kGlobalLegendBrowse, 0},
        {kDefLuLabel, "defLuLabel", {}, 0, kStyleNone, ids::kGlobalLegendDefLu, 0},
        {kDefLu, "defLuEdit", &v.defLuAlias, keyLimit<F::Global>("DEF_LU_ALIAS"), kStyleNone, 0,
         64},
        {kDefPluLabel, "defPluLabel", {}, 0, kStyleNone, ids::kGlobalLegendDefPlu, 0},
        {kDefPlu, "defPluEdit", &v.defPluAlias, keyLimit<F::Global>("DEF_PLU_ALIAS"), kStyleNone, 0,
         65},
        {kOptionalGroup, "optionalGroup", {}, 0, kStyleNone, ids::kGlobalGroupOptional, 0},
        {kUserNameLabel, "userNameLabel", {}, 0, kStyleNone, ids::kGlobalLegendUserName, 0},
        {kUserName, "userNameEdit", &v.userName, keyLimit<F::Global>("USER_NAME"), kStyleNone, 0,
         5},
        {kPasswordGroup, "passwordGroup", {}, 0, kStyleNone, ids::kGlobalGroupPassword, 0},
        {kPasswordLabel, "passwordLabel", {}, 0, kStyleNone, ids::kGlobalLegendPassword, 0},
        {kPassword, "passwordEdit", &v.password, kPasswordLimit, kStylePassword, 0, 6},
        {kVerifyLabel, "verifyLabel", {}, 0, kStyleNone, ids::kGlobalLegendVerify, 0},
        {kVerify, "verifyEdit", &v.verification, kPasswordLimit, kStylePassword, 0, 7},
    });
    connect(m_ui->browseButton, &QPushButton::clicked, this, &CPgUIPWBas::browse);
}

CPgUIPWBas::~CPgUIPWBas() = default;

void CPgUIPWBas::browse() {
    const QString filter =
        QString::fromStdString(TelaEnvironment::GetUserString(ids::kFileOpenFilter));
    browseForPath(*this, kTranslate, filter, ids::kGlobalLegendTranslate);
}
