// The basic page of the global settings sheet (layout 184): the translation table, the
// default LU aliases, and the optional user name and password.
#pragma once

#include "password_keys.h"
#include "sheet_page.h"

#include <memory>
#include <string>

namespace Ui {
class GlobalBasicPage;
}

struct GlobalBasicValues {
    std::string password;
    std::string verification;
    std::string userName;
    std::string translateTable;
    std::string defLuAlias;
    std::string defPluAlias;
};

class CPgUIPWBas : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kTranslateLabel = 1405,
        kTranslate = 1406,
        kBrowse = 1022,
        kDefLuLabel = 1438,
        kDefLu = 1437,
        kDefPluLabel = 1439,
        kDefPlu = 1440,
        kOptionalGroup = 1441,
        kUserNameLabel = 1193,
        kUserName = 1149,
        kPasswordGroup = 1228,
        kPasswordLabel = 1226,
        kPassword = 1145,
        kVerifyLabel = 1227,
        kVerify = 1147,
    };
    static constexpr int kLayoutId = 184;
    static constexpr int kPasswordLimit = kGlobalPassword.fieldLimit();

    CPgUIPWBas();
    ~CPgUIPWBas() override;

    GlobalBasicValues values;

private:
    void browse();

    std::unique_ptr<Ui::GlobalBasicPage> m_ui;
};
