#include "midrange_system_dialog.h"

#include "cfg_doc.h"
#include "messages.h"
#include "midrange_records.h"
#include "record_fields.h"
#include "string_ids.h"
#include "ui_midrange_system.h"

#include <QLineEdit>

using F = RecordFamily;

MidrangeSystemForm::MidrangeSystemForm()
    : SheetPage(HelpRef{}), m_ui(std::make_unique<Ui::MidrangeSystemForm>()) {
    m_ui->setupUi(this);
    MidrangeSystemValues& v = values;
    const NameRule name = kindOf(RecordFamily::MidrangeSystem).nameRule;
    constexpr unsigned kSecret = kStyleUpperCase | kStylePassword;
    setControls({
        {kHostLabel, "hostLabel", {}, 0, kStyleNone, ids::kMidHostName, 0},
        {kHost, "hostEdit", &v.hostName, nameLimit(name), nameStyle(name), 0, 54},
        {kSecurityGroup, "securityGroup", {}, 0, kStyleNone, ids::kMidGroupSecurity, 0},
        {kSecurityText, "securityText", {}, 0, kStyleNone, ids::kMidSecurityIntro, 0},
        {kUserIdLabel, "userIdLabel", {}, 0, kStyleNone, ids::kMidUserId, 0},
        {kUserId, "userIdEdit", &v.userId, keyLimit<F::MidrangeSystem>("USER_NAME"),
         kStyleUpperCase, 0, 50},
        {kPasswordLabel, "passwordLabel", {}, 0, kStyleNone, ids::kMidPassword, 0},
        {kPassword, "passwordEdit", &v.password, kPasswordLimit, kSecret, 0, 51},
        {kVerifyLabel, "verifyLabel", {}, 0, kStyleNone, ids::kMidVerify, 0},
        {kVerify, "verifyEdit", &v.verification, kPasswordLimit, kSecret, 0, 52},
    });
}

MidrangeSystemForm::~MidrangeSystemForm() = default;

void MidrangeSystemForm::initPage() {
    // An existing system keeps its host name: a new name is a new system.
    if (!values.hostName.empty()) {
        m_ui->hostEdit->setReadOnly(true);
        m_ui->hostEdit->setEnabled(false);
    }
}

CDlgNODEXSystem::CDlgNODEXSystem(QWidget* parent)
    : SheetDialog(helpTopic(53), kMbIconStop, {ids::kMidOk, ids::kMidCancel, ids::kMidHelp},
                  parent) {
    setForm(m_form);
}

CDlgNODEXSystem::~CDlgNODEXSystem() = default;

int CDlgNODEXSystem::ShowSystem(CCfgDoc& doc, const std::string& hostName) {
    setDocument(doc);
    setOpenedOnRecord(!hostName.empty());
    if (!hostName.empty()) {
        MidrangeSystemRecord record;
        record.hostName = hostName;
        if (!midrangeReadSystem(doc.store(), record)) {
            doc.ReportError(ErrorCode::Store);
            return 0;
        }
        MidrangeSystemValues& v = m_form.values;
        v.hostName = record.hostName;
        v.userId = record.userId;
        // With a user ID the fields show the placeholder, even for an empty password.
        if (!record.userId.empty()) {
            v.password = m_password.hold(record.password);
            v.verification = v.password;
        }
    }
    runModal();
    return 1;
}

bool CDlgNODEXSystem::checkValues() {
    MidrangeSystemValues& v = m_form.values;
    if (v.password != v.verification) {
        showCheckMessage(ids::kMsgPasswordMismatch);
        return refuseFocus(MidrangeSystemForm::kPassword);
    }
    const auto first = v.hostName.find_first_not_of(' ');
    const auto last = v.hostName.find_last_not_of(' ');
    v.hostName =
        first == std::string::npos ? std::string() : v.hostName.substr(first, last - first + 1);
    MidrangeSystemRecord record;
    record.hostName = v.hostName;
    record.userId = v.userId;
    record.password = m_password.resolve(v.password);
    const RecordRefusal refusal = systemCheckRecord(record);
    if (!refusal)
        return true;
    const int control =
        refusal.key == keyOf<MidrangeSystemRecord>("USER_NAME")  ? MidrangeSystemForm::kUserId
        : refusal.key == keyOf<MidrangeSystemRecord>("PASSWORD") ? MidrangeSystemForm::kPassword
                                                                 : MidrangeSystemForm::kHost;
    return refuse(refusal, control);
}

int CDlgNODEXSystem::writeRecord(int& failureFlag, ErrorCode& errorCode) {
    const MidrangeSystemValues& v = m_form.values;
    return midrangeWriteSystem(document().store(), v.hostName, v.userId,
                               m_password.resolve(v.password), failureFlag, errorCode);
}
