// The basic page of the CPI-C side information sheet (layout 142): names, mode, remote TP
// and the partner LU, given either by its fully qualified name or by its alias.
#pragma once

#include "sheet_page.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class CpicBasicPage;
}

struct CpicBasicValues {
    std::string mode;
    std::string symbName;
    std::string remoteTp;
    std::string networkId; // the part of a qualified partner LU name before the period
    std::string luName;    // the part after it
    int serviceTp = 0;     // TP type: 1 when the remote TP name is an SNA service TP name
    std::string localLu;
    std::string partnerAlias;
    int partnerRadio = -1;              // 0 qualified name, 1 alias, -1 until set
    std::vector<std::string> modeNames; // offered in the mode box; emptied when shown
};

class CPgCpicBas : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kSymbNameLabel = 1229,
        kSymbName = 1035,
        kLocalLuLabel = 1362,
        kLocalLu = 1363,
        kModeLabel = 1199,
        kMode = 1036,
        kServiceTp = 1039,
        kRemoteTpLabel = 1212,
        kRemoteTp = 1038,
        kPartnerGroup = 1413,
        kQualifiedRadio = 1442,
        kNetworkId = 1142,
        kLuName = 1143,
        kAliasRadio = 1443,
        kPartnerAlias = 1373,
    };
    static constexpr int kLayoutId = 142;

    CPgCpicBas();
    ~CPgCpicBas() override;

    CpicBasicValues values;

protected:
    void initPage() override;

private:
    // The qualified name fields are enabled, or the alias field; never both.
    void applyPartnerRule(bool alias);

    std::unique_ptr<Ui::CpicBasicPage> m_ui;
};
