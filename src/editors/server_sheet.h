// The APPC server list sheet: the configuration's one set of APPC settings on one page,
// checked and written back on OK.
#pragma once

#include "property_sheet.h"
#include "record_types.h"
#include "server_list_page.h"

#include <string>

class CCfgDoc;

class CPsServ : public PropertySheet {
    Q_OBJECT
public:
    explicit CPsServ(const std::string& title);
    ~CPsServ() override;

    // Opens the APPC settings. entryText (the records-list entry, or empty for New) goes
    // unused: there is only the one set of settings.
    // 1 when the user confirmed with OK and the settings were written; 0 otherwise.
    int Run(CCfgDoc& doc, const std::string& entryText);

    CPgServerList& serverListPage() { return m_page; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    void spreadRecord(const AppcRecord& record);
    AppcRecord gatherRecord() const;
    // The control of the field a refusal is about.
    int controlOf(const RecordRefusal& refusal) const;

    CPgServerList m_page;
};
