#include "lux_links_page.h"

#include "record_fields.h"
#include "server_choices.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_legend.h"
#include "ui_lux_links.h"

namespace {

// The object names of each row's controls in the layout.
struct RowNames {
    const char* server;
    const char* transport;
    const char* encryption;
    const char* category;
    const char* name;
};
constexpr std::array<RowNames, kRowCount> kRowNames{{
    {"serverName1", "transport1", "encryption1", "category1", "luName1"},
    {"serverName2", "transport2", "encryption2", "category2", "luName2"},
    {"serverName3", "transport3", "encryption3", "category3", "luName3"},
    {"serverName4", "transport4", "encryption4", "category4", "luName4"},
}};

constexpr int kTransportLegends[] = {ids::kLuxServerFirst, ids::kLuxServerSecond, ids::kLuxScope};
constexpr int kCategoryLegends[] = {ids::kLuxCategory0, ids::kLuxCategory1, ids::kLuxCategory3};

constexpr int kServerLimit = static_cast<int>(parts::kNameLimit);
constexpr int kLuNameLimit = static_cast<int>(parts::kLuNameLimit);
constexpr int kServerWidthChars = 26;

} // namespace

CPgLux1Bas::CPgLux1Bas() : SheetPage(helpTopic(1)), m_ui(std::make_unique<Ui::LuxLinksPage>()) {
    m_ui->setupUi(this);
    LuxLinksValues& v = values;
    const NameRule profileName = kindOf(RecordFamily::Lux).nameRule;
    ControlTable table{
        {kSessionHeading, "sessionNameHeading", {}, 0, kStyleNone, ids::kLuxHeadSession, 0},
        {kSessionName, "sessionNameEdit", &v.sessionName, nameLimit(profileName),
         nameStyle(profileName), 0, 33},
        {kServerHeading, "serverHeading", {}, 0, kStyleNone, ids::kLuxHeadServer, 0},
        {kTransportHeading, "transportHeading", {}, 0, kStyleNone, ids::kLuxHeadTransport, 0},
        {kEncryptionHeading, "encryptionHeading", {}, 0, kStyleNone, ids::kLuxHeadEncryption, 0},
        {kCategoryHeading, "categoryHeading", {}, 0, kStyleNone, ids::kLuxHeadCategory, 0},
        {kNameHeading, "nameHeading", {}, 0, kStyleNone, ids::kLuxHeadName, 0},
        {kDefault, "defaultCheck", &v.isDefault, 0, kStyleNone, ids::kLuxDefaultSession,
         kNoHelpTopic},
    };
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const RowIds& id = kRows[r];
        const RowNames& name = kRowNames[r];
        LuxRowValues& row = v.rows[r];
        // Each link's fields are read out by the heading of their column.
        table.push_back({id.server, name.server, &row.server, kServerLimit, kStyleNone, 0, 55,
                         ids::kLuxHeadServer});
        table.push_back({id.transport, name.transport, &row.transport, 0, kStyleNone, 0, 63,
                         ids::kLuxHeadTransport});
        table.push_back({id.encryption, name.encryption, &row.encryption, 0, kStyleNone, 0, 59,
                         ids::kLuxHeadEncryption});
        table.push_back({id.category, name.category, &row.category, 0, kStyleNone, 0, 66,
                         ids::kLuxHeadCategory});
        table.push_back({id.name, name.name, &row.name, kLuNameLimit, kStyleUpperCase, 0, 38,
                         ids::kLuxHeadName});
    }
    setControls(std::move(table));
    // Room for a full host name, whatever the font.
    for (const RowIds& row : kRows)
        control(row.server)->setMinimumWidth(fontMetrics().averageCharWidth() * kServerWidthChars);
    for (std::size_t r = 0; r < kRows.size(); ++r)
        connect(controlAs<TelaComboBox>(kRows[r].category), &QComboBox::currentIndexChanged, this,
                [this, r] { OnCategoryChanged(r); });
}

CPgLux1Bas::~CPgLux1Bas() = default;

void CPgLux1Bas::initPage() {
    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const RowIds& id = kRows[r];
        const LuxRowValues& row = values.rows[r];
        auto& category = *controlAs<TelaComboBox>(id.category);
        for (int legend : kCategoryLegends)
            category.AddString(telaLegendText(legend));
        auto& encryption = *controlAs<TelaComboBox>(id.encryption);
        fillEncryptionList(encryption);
        auto& transport = *controlAs<TelaComboBox>(id.transport);
        for (int legend : kTransportLegends)
            transport.AddString(telaLegendText(legend));
        transport.SetCurSel(row.transport);
        encryption.SetCurSel(row.encryption);
        category.SetCurSel(row.category);
        OnCategoryChanged(r);
    }
}

void CPgLux1Bas::OnCategoryChanged(std::size_t row) {
    // The one category that takes no name disables its row's name field.
    const auto* category = controlAs<TelaComboBox>(kRows[row].category);
    enableControl(kRows[row].name, !category || category->GetCurSel() != kNoNameCategory);
}
