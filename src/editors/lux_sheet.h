// The LUx profile sheet: one LUx session with its four links on one page, checked and
// written back on OK.
#pragma once

#include "lux_links_page.h"
#include "property_sheet.h"
#include "record_types.h"

#include <array>
#include <string>

class CCfgDoc;

class CPsLux : public PropertySheet {
    Q_OBJECT
public:
    explicit CPsLux(const std::string& title);
    ~CPsLux() override;

    // Opens the profile of that name (the empty name: a new profile). 1 when the user
    // confirmed with OK and the profile was written; 0 otherwise, also when the profile is
    // gone (reported as ErrorCode::Store, no sheet shown).
    int Run(CCfgDoc& doc, const std::string& profileName);

    CPgLux1Bas& linksPage() { return m_page; }

protected:
    bool checkValues() override;
    int writeRecord(int& failureFlag, ErrorCode& errorCode) override;

private:
    void spreadRecord(const LuxProfileRecord& record);
    LuxProfileRecord gatherRecord() const;
    // The control of the field a refusal is about.
    int controlOf(const RecordRefusal& refusal) const;

    CPgLux1Bas m_page;
    // The LU categories as read: one that the list does not offer is written back as it
    // was while the user leaves its list alone.
    std::array<int, kRowCount> m_storedCategory{};
};
