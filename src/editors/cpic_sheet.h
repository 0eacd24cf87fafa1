// The CPI-C side information sheet: one entry of the configuration, spread over a basic
// page and a security page, checked and written back on OK.
#pragma once

#include "cpic_basic_page.h"
#include "cpic_security_page.h"
#include "password_placeholder.h"
#include "property_sheet.h"
#include "record_types.h"

#include <string>
#include <utility>

class CCfgDoc;

class CPsCpic : public PropertySheet {
    Q_OBJECT
public:
    explicit CPsCpic(const std::string& title);
    ~CPsCpic() override;

    // Opens the entry of that symbolic destination name (the empty name: a new entry).
    // 1 when the user confirmed with OK and the entry was written; 0 otherwise, also when
    // the entry could not be read (reported as ErrorCode::Store, no sheet shown).
    int Run(CCfgDoc& doc, const std::string& symbName);

    CPgCpicBas& basicPage() { return m_basic; }
    CPgCpicSec& securityPage() { return m_security; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    void spreadRecord(const CpicSideInfoRecord& record, bool existing);
    CpicSideInfoRecord gatherRecord() const;
    // The page and control of the field a refusal is about.
    std::pair<int, int> controlOf(const RecordRefusal& refusal) const;

    CPgCpicBas m_basic;
    CPgCpicSec m_security;
    PasswordPlaceholder m_password{kCpicPassword};
    // SEC_TYPE as read: written back when the list shows none of its entries. TP_TYPE and
    // PLU_TYPE as read: a value other than 0 and 1 stays while its box or button does.
    int m_storedSecType = 0;
    int m_storedTpType = 0;
    int m_storedPluType = 0;
    // A stored empty partner alias stays empty; a new one means any LU.
    bool m_storedEmptyAlias = false;
};
