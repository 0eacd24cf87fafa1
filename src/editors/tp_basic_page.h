// The basic page of the attach transaction program sheet (layout 150): the TP name, the
// local LU, the program's path and parameters, and how the client starts it.
#pragma once

#include "sheet_page.h"

#include <memory>
#include <string>

namespace Ui {
class TpBasicPage;
}

struct TpBasicValues {
    std::string tpName;
    std::string path;
    std::string parameters;
    std::string luName;
    int serviceTp = 0;   // TP_TYPE 1: the TP name is an SNA service TP name
    int dynamicLoad = 0; // TP_OP 0: the client loads the program when it is attached
};

class CPgTPBas : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kTpNameLabel = 1212,
        kTpName = 1038,
        kLuNameLabel = 1367,
        kLuName = 1053,
        kPathLabel = 1213,
        kPath = 1062,
        kBrowse = 1022,
        kParametersLabel = 1214,
        kParameters = 1063,
        kServiceTp = 1369,
        kDynamicLoad = 1375,
    };
    static constexpr int kLayoutId = 150;

    CPgTPBas();
    ~CPgTPBas() override;

    TpBasicValues values;

private:
    void browse();

    std::unique_ptr<Ui::TpBasicPage> m_ui;
};
