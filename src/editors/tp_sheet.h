// The attach transaction program sheet: one entry the client starts when a partner
// attaches its TP name, on one basic page, written back on OK.
#pragma once

#include "property_sheet.h"
#include "record_types.h"
#include "tp_basic_page.h"

#include <string>

class CCfgDoc;

class CPsTP : public PropertySheet {
    Q_OBJECT
public:
    explicit CPsTP(const std::string& title);
    ~CPsTP() override;

    // Opens the entry of that TP name (the empty name: a new entry). 1 when the user
    // confirmed with OK and the entry was written; 0 otherwise, also when the entry could
    // not be read (reported as ErrorCode::Store, no sheet shown).
    int Run(CCfgDoc& doc, const std::string& tpName);

    CPgTPBas& basicPage() { return m_basic; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    AttachTpRecord gatherRecord() const;

    CPgTPBas m_basic;
    // TP_TYPE and TP_OP as read: a value no box names stays while its box does.
    AttachTpRecord m_stored;
};
