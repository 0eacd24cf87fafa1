// The midrange systems sheet: the host systems, written to the store at once by their
// dialog and by Remove, the default system, and the common settings written on OK.
#pragma once

#include "midrange_basic_page.h"
#include "midrange_common_page.h"
#include "password_placeholder.h"
#include "property_sheet.h"
#include "record_types.h"

#include <string>

class CCfgDoc;

class CPsNODEX : public PropertySheet {
    Q_OBJECT
public:
    explicit CPsNODEX(const std::string& title);
    ~CPsNODEX() override;

    // Opens the sheet (there is one midrange record, so the name is not used). 1 when the
    // user confirmed with OK and the common settings were written; 0 otherwise. Systems
    // added, changed or removed before a Cancel stay in the store.
    int Run(CCfgDoc& doc, const std::string& recordName);

    CPgNODEXBas& basicPage() { return m_basic; }
    CPgNODEXCommom& commonPage() { return m_common; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    MidrangeCommonRecord gatherRecord() const;
    // The page and control of the field a refusal is about.
    static int pageOf(const RecordRefusal& refusal);
    static int controlOf(const RecordRefusal& refusal);

    CPgNODEXBas m_basic;
    CPgNODEXCommom m_common;
    PasswordPlaceholder m_password{kCommonPassword};
    bool m_commonStored = false; // the store held common settings when the sheet opened
};
