// The security page of the CPI-C side information sheet (layout 143): the conversation
// security type, the user ID and the password.
#pragma once

#include "password_keys.h"
#include "sheet_page.h"

#include <memory>
#include <string>

namespace Ui {
class CpicSecurityPage;
}

struct CpicSecurityValues {
    int secTypeIndex = -1; // entry of the security type list, -1 none
    std::string userId;
    std::string password; // what the field shows: the placeholder for a stored password
};

class CPgCpicSec : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kSecTypeLabel = 1231,
        kSecType = 1040,
        kUserIdLabel = 1232,
        kUserId = 1041,
        kPasswordLabel = 1233,
        kPassword = 1042,
    };
    static constexpr int kLayoutId = 143;
    static constexpr int kPasswordLimit = kCpicPassword.fieldLimit();

    CPgCpicSec();
    ~CPgCpicSec() override;

    CpicSecurityValues values;

protected:
    void initPage() override;

private:
    // The user ID takes a value unless the type is "none"; the password only for the two
    // program types.
    void applySecurityRule(int index);

    std::unique_ptr<Ui::CpicSecurityPage> m_ui;
};

// The security type list entries and the SEC_TYPE each stands for.
int cpicSecTypeOfIndex(int index);   // -1 for an index that is no entry
int cpicIndexOfSecType(int secType); // -1 for a type that has no entry
