// The System Properties dialog of the midrange systems sheet (layout 231): one host
// system's user ID and password, written to the store by the dialog's OK.
#pragma once

#include "password_keys.h"
#include "password_placeholder.h"
#include "sheet_dialog.h"
#include "sheet_page.h"

#include <memory>
#include <string>

class CCfgDoc;

namespace Ui {
class MidrangeSystemForm;
}

struct MidrangeSystemValues {
    std::string hostName;
    std::string password;
    std::string userId;
    std::string verification;
};

// The dialog's fields, with the conventions of a sheet's page.
class MidrangeSystemForm : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kHostLabel = 1395,
        kHost = 1394,
        kSecurityGroup = 1388,
        kSecurityText = 1389,
        kUserIdLabel = 1392,
        kUserId = 1410,
        kPasswordLabel = 1409,
        kPassword = 1390,
        kVerifyLabel = 1393,
        kVerify = 1391,
    };
    static constexpr int kLayoutId = 231;
    static constexpr int kPasswordLimit = kSystemPassword.fieldLimit();

    MidrangeSystemForm();
    ~MidrangeSystemForm() override;

    MidrangeSystemValues values;

protected:
    void initPage() override;

private:
    std::unique_ptr<Ui::MidrangeSystemForm> m_ui;
};

class CDlgNODEXSystem : public SheetDialog {
    Q_OBJECT
public:
    explicit CDlgNODEXSystem(QWidget* parent = nullptr);
    ~CDlgNODEXSystem() override;

    // Shows the system of that host name (the empty name: a new system). 0 only when an
    // existing system cannot be read (reported as ErrorCode::Store, no dialog); else 1,
    // whichever button closed the dialog.
    int ShowSystem(CCfgDoc& doc, const std::string& hostName);

    MidrangeSystemForm& form() { return m_form; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    MidrangeSystemForm m_form;
    PasswordPlaceholder m_password{kSystemPassword};
};
