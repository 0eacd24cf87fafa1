// The common page of the midrange systems sheet (layout 232): what every system shares,
// the local LU and mode, and the common user ID and password.
#pragma once

#include "password_keys.h"
#include "sheet_page.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class MidrangeCommonPage;
}

struct MidrangeCommonValues {
    std::vector<std::string> modeNames; // offered in the mode box; emptied when shown
    std::string mode;
    std::string userId;
    std::string password;
    std::string verification;
    std::string localLu;
};

class CPgNODEXCommom : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kIntro = 1396,
        kNetworkGroup = 1397,
        kLocalLuLabel = 1398,
        kLocalLu = 1411,
        kModeLabel = 1399,
        kMode = 1342,
        kSecurityGroup = 1388,
        kUserIdLabel = 1400,
        kUserId = 1375,
        kPasswordLabel = 1401,
        kPassword = 1376,
        kVerifyLabel = 1402,
        kVerify = 1377,
    };
    static constexpr int kLayoutId = 232;
    static constexpr int kPasswordLimit = kCommonPassword.fieldLimit();

    CPgNODEXCommom();
    ~CPgNODEXCommom() override;

    MidrangeCommonValues values;

protected:
    void initPage() override;

private:
    std::unique_ptr<Ui::MidrangeCommonPage> m_ui;
};
