#include "tp_basic_page.h"

#include "sheet_browse.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "ui_tp_basic.h"

using F = RecordFamily;

CPgTPBas::CPgTPBas() : SheetPage(HelpRef{}), m_ui(std::make_unique<Ui::TpBasicPage>()) {
    m_ui->setupUi(this);
    TpBasicValues& v = values;
    const NameRule name = kindOf(RecordFamily::Tp).nameRule;
    setControls({
        {kTpNameLabel, "tpNameLabel", {}, 0, kStyleNone, ids::kTpLegendTpName, 0},
        {kTpName, "tpNameEdit", &v.tpName, nameLimit(name), nameStyle(name), 0, 21},
        {kLuNameLabel, "luNameLabel", {}, 0, kStyleNone, ids::kTpLegendLuName, 0},
        {kLuName, "luNameEdit", &v.luName, keyLimit<F::Tp>("LU_NAME"), kStyleNone, 0, 15},
        {kPathLabel, "pathLabel", {}, 0, kStyleNone, ids::kTpLegendPath, 0},
        {kPath, "pathEdit", &v.path, keyLimit<F::Tp>("PATH"), kStyleNone, 0, 28},
        {kBrowse, "browseButton", {}, 0, kStyleNone, ids::kTpLegendBrowse, 0},
        {kParametersLabel, "parametersLabel", {}, 0, kStyleNone, ids::kTpLegendParameters, 0},
        {kParameters, "parametersEdit", &v.parameters, keyLimit<F::Tp>("PARM_STRING"), kStyleNone,
         0, 29},
        {kServiceTp, "serviceTpCheck", &v.serviceTp, 0, kStyleNone, ids::kTpLegendServiceTp, 22},
        {kDynamicLoad, "dynamicLoadCheck", &v.dynamicLoad, 0, kStyleNone, ids::kTpLegendDynamicLoad,
         30},
    });
    connect(m_ui->browseButton, &QPushButton::clicked, this, &CPgTPBas::browse);
}

CPgTPBas::~CPgTPBas() = default;

void CPgTPBas::browse() {
    const QString filter =
        QString::fromStdString(TelaEnvironment::GetUserString(ids::kTpBrowseFilter));
    browseForPath(*this, kPath, filter, ids::kTpBrowseTitle, BrowseFor::Program);
}
