#include "server_list_page.h"

#include "server_choices.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "ui_server_list.h"

#include <QRadioButton>

namespace {

// The object names of each row's controls in the layout.
struct RowNames {
    const char* name;
    const char* transport;
    const char* encryption;
};
constexpr std::array<RowNames, kRowCount> kRowNames{{
    {"serverName1", "transport1", "encryption1"},
    {"serverName2", "transport2", "encryption2"},
    {"serverName3", "transport3", "encryption3"},
    {"serverName4", "transport4", "encryption4"},
}};

constexpr int kServerNameTopic = 55;
constexpr int kTransportTopic = 56;
constexpr int kEncryptionTopic = 59;
constexpr int kNameWidthChars = 26;

} // namespace

CPgServerList::CPgServerList()
    : SheetPage(HelpRef{}), m_ui(std::make_unique<Ui::ServerListPage>()) {
    m_ui->setupUi(this);
    ServerListValues& v = values;
    ControlTable table{
        {kServerListRadio, "serverListRadio", &v.selection, 0, kStyleNone, ids::kServRadioList, 58},
        {kScopeRadio, "scopeRadio", {}, 0, kStyleNone, ids::kServRadioScope, 60},
        {kNameHeading, "nameHeading", {}, 0, kStyleNone, ids::kServHeadName, 0},
        {kTransportHeading, "transportHeading", {}, 0, kStyleNone, ids::kServHeadTransport, 0},
        {kEncryptionHeading, "encryptionHeading", {}, 0, kStyleNone, ids::kServHeadEncryption, 0},
        {kScopeNameHeading, "scopeNameHeading", {}, 0, kStyleNone, ids::kServHeadScopeName, 0},
        {kScopeEncryptionHeading,
         "scopeEncryptionHeading",
         {},
         0,
         kStyleNone,
         ids::kServHeadScopeEncryption,
         0},
        {kScopeName, "scopeNameEdit", &v.scopeName, kNameLimit, kStyleNone, 0, 61,
         ids::kServHeadScopeName},
        {kScopeEncryption, "scopeEncryptionList", &v.scopeEncryption, 0, kStyleNone, 0,
         kEncryptionTopic, ids::kServHeadScopeEncryption},
        {kLoadBalancing, "loadBalancingCheck", &v.loadBalancing, 0, kStyleNone,
         ids::kServLoadBalancing, 57},
    };
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        ServerRowValues& row = v.rows[r];
        // Each row's fields are read out by the heading of their column.
        table.push_back({kRows[r].name, kRowNames[r].name, &row.name, kNameLimit, kStyleNone, 0,
                         kServerNameTopic, ids::kServHeadName});
        table.push_back({kRows[r].transport, kRowNames[r].transport, &row.transport, 0, kStyleNone,
                         0, kTransportTopic, ids::kServHeadTransport});
        table.push_back({kRows[r].encryption, kRowNames[r].encryption, &row.encryption, 0,
                         kStyleNone, 0, kEncryptionTopic, ids::kServHeadEncryption});
    }
    setControls(std::move(table));
    // Room for a full host name, whatever the font.
    const int nameWidth = fontMetrics().averageCharWidth() * kNameWidthChars;
    for (const RowIds& row : kRows)
        control(row.name)->setMinimumWidth(nameWidth);
    m_ui->scopeNameEdit->setMinimumWidth(nameWidth);
    // Checked by a click or by the arrow keys alike.
    connect(m_ui->serverListRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnServerList();
    });
    connect(m_ui->scopeRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnScopeList();
    });
}

CPgServerList::~CPgServerList() = default;

void CPgServerList::initPage() {
    // The list shows the very texts that are stored, as the language library gives them.
    const QString transports[] = {QString::fromStdString(transportTextOf(0)),
                                  QString::fromStdString(transportTextOf(1))};
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        auto& transport = *controlAs<TelaComboBox>(kRows[r].transport);
        for (const QString& text : transports)
            transport.AddString(text);
        transport.SetCurSel(values.rows[r].transport);
        auto& encryption = *controlAs<TelaComboBox>(kRows[r].encryption);
        fillEncryptionList(encryption);
        encryption.SetCurSel(values.rows[r].encryption);
    }
    fillEncryptionList(*m_ui->scopeEncryptionList);
    m_ui->scopeEncryptionList->SetCurSel(values.scopeEncryption);
    applySelectionRule(values.selection);
}

void CPgServerList::applySelectionRule(int selection) {
    const bool scope = selection == 1;
    for (const RowIds& row : kRows)
        for (int id : {row.name, row.transport, row.encryption})
            enableControl(id, !scope);
    enableControl(kScopeName, scope);
    enableControl(kScopeEncryption, scope);
}
