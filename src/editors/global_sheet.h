// The global settings sheet: the one global record of the configuration, on one basic
// page, written back on OK.
#pragma once

#include "global_basic_page.h"
#include "password_placeholder.h"
#include "property_sheet.h"
#include "record_types.h"

#include <string>

class CCfgDoc;

// The translation table the client uses when none is configured: COMTBLG.DAT in the
// client's installation directory, joined with a backslash as the client joins it.
std::string defaultTranslateTable();

class CPsUIPW : public PropertySheet {
    Q_OBJECT
public:
    explicit CPsUIPW(const std::string& title);
    ~CPsUIPW() override;

    // Opens the global settings (there is one record, so the name is not used). 1 when the
    // user confirmed with OK and the settings were written; 0 otherwise.
    int Run(CCfgDoc& doc, const std::string& recordName);

    CPgUIPWBas& basicPage() { return m_basic; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    GlobalRecord gatherRecord() const;

    CPgUIPWBas m_basic;
    PasswordPlaceholder m_password{kGlobalPassword};
};
