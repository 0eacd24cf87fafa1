// The one page of the APPC server list sheet (layout 194): up to four servers, each with
// its transport and encryption, or a scope with its encryption; and load balancing.
#pragma once

#include "record_fields.h"
#include "sheet_page.h"

#include <array>
#include <memory>
#include <string>

namespace Ui {
class ServerListPage;
}

struct ServerRowValues {
    std::string name;
    int transport = -1; // transport list index, -1 none
    int encryption = 0; // encryption list index
};

struct ServerListValues {
    int selection = -1; // 0 server list, 1 scope
    int loadBalancing = 0;
    std::array<ServerRowValues, kRowCount> rows;
    std::string scopeName;
    int scopeEncryption = 0;
};

class CPgServerList : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kServerListRadio = 1427,
        kNameHeading = 1052,
        kTransportHeading = 1053,
        kEncryptionHeading = 1435,
        kScopeRadio = 1428,
        kScopeNameHeading = 1054,
        kScopeEncryptionHeading = 1430,
        kScopeName = 1001,
        kScopeEncryption = 1429,
        kLoadBalancing = 1436,
    };
    // The controls of one server row.
    struct RowIds {
        int name;
        int transport;
        int encryption;
    };
    static constexpr std::array<RowIds, kRowCount> kRows{{
        {1000, 1415, 1431},
        {1062, 1417, 1432},
        {1055, 1418, 1433},
        {1057, 1419, 1434},
    }};
    static constexpr int kLayoutId = 194;
    static constexpr int kNameLimit = static_cast<int>(parts::kNameLimit);

    CPgServerList();
    ~CPgServerList() override;

    ServerListValues values;

    // The click handlers of the two radio buttons.
    void OnServerList() { applySelectionRule(0); }
    void OnScopeList() { applySelectionRule(1); }

protected:
    void initPage() override;

private:
    // The server rows take input while the server list is chosen, the scope otherwise.
    // Disabled controls keep their contents.
    void applySelectionRule(int selection);

    std::unique_ptr<Ui::ServerListPage> m_ui;
};
