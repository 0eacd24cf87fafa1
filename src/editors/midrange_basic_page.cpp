#include "midrange_basic_page.h"

#include "cfg_doc.h"
#include "messages.h"
#include "midrange_records.h"
#include "midrange_system_dialog.h"
#include "refusal_focus.h"
#include "sheet_text.h"
#include "string_ids.h"
#include "tela_combo_box.h"
#include "tela_environment.h"
#include "tela_list_box.h"
#include "ui_midrange_basic.h"

#include <string>
#include <vector>

CPgNODEXBas::CPgNODEXBas() : SheetPage(HelpRef{}), m_ui(std::make_unique<Ui::MidrangeBasicPage>()) {
    m_ui->setupUi(this);
    setControls({
        {kSystemsLabel, "systemsLabel", {}, 0, kStyleNone, ids::kMidHeadList, 0},
        {kHostColumn, "hostColumnLabel", {}, 0, kStyleNone, ids::kMidHostName, 0},
        {kSystems, "systemsList", {}, 0, kStyleSorted, 0, 42},
        {kAdd, "addButton", {}, 0, kStyleNone, ids::kMidAdd, 43},
        {kRemove, "removeButton", {}, 0, kStyleNone, ids::kMidRemove, 44},
        {kProperties, "propertiesButton", {}, 0, kStyleNone, ids::kMidProperties, 45},
        {kDefaultGroup, "defaultGroup", {}, 0, kStyleNone, 0, 0},
        {kDefaultLabel, "defaultLabel", {}, 0, kStyleNone, ids::kMidDefault, 0},
        {kDefault, "defaultCombo", {}, 0, kStyleSorted | kStyleUpperCase, 0, 46},
    });
    connect(m_ui->addButton, &QPushButton::clicked, this, &CPgNODEXBas::add);
    connect(m_ui->propertiesButton, &QPushButton::clicked, this, &CPgNODEXBas::properties);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &CPgNODEXBas::remove);
    connect(m_ui->systemsList, &QListWidget::itemDoubleClicked, this, &CPgNODEXBas::properties);
}

CPgNODEXBas::~CPgNODEXBas() = default;

TelaListBox& CPgNODEXBas::systems() const {
    return *m_ui->systemsList;
}

TelaComboBox& CPgNODEXBas::defaultChoice() const {
    return *m_ui->defaultCombo;
}

void CPgNODEXBas::activated() {
    TelaListBox& list = systems();
    TelaComboBox& choice = defaultChoice();
    const QString pending = changed() ? choice.currentText() : QString();
    list.ResetContent();
    choice.ResetContent();
    std::vector<std::string> names;
    std::string defaultName;
    if (m_doc && !midrangeListSystems(m_doc->store(), names, defaultName)) {
        names.clear();
        m_doc->ReportError(ErrorCode::Store);
    }
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        texts.append(fromBytes(name));
    // Each sorted once, not each name put in its place: a site may have thousands.
    list.AddStrings(texts);
    choice.AddStrings(texts);
    list.SetCurSel(0);
    // The stored default shows as stored; with none marked, none is chosen, so that merely
    // looking at the page marks nothing.
    m_storedDefault = fromBytes(defaultName);
    const int stored = defaultName.empty() ? -1 : choice.findText(m_storedDefault);
    choice.SetCurSel(stored);
    m_storedDefault = choice.currentText();
    if (!pending.isEmpty() && choice.findText(pending, Qt::MatchFixedString) >= 0)
        choice.setEditText(pending);
}

bool CPgNODEXBas::changed() const {
    return isInitialised() && defaultChoice().currentText() != m_storedDefault;
}

int CPgNODEXBas::chosenEntry() const {
    const QString text = defaultChoice().currentText();
    const int exact = defaultChoice().findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return exact >= 0 ? exact : defaultChoice().findText(text, Qt::MatchFixedString);
}

bool CPgNODEXBas::applyDefaultChoice() {
    const QString text = defaultChoice().currentText();
    if (text.isEmpty())
        return true;
    const int entry = chosenEntry();
    if (entry < 0) {
        AppMessageBox(TelaEnvironment::GetUserString(ids::kMidMsgDefaultUnknown), kMbIconStop);
        return false;
    }
    // The listed name, not the typed one: a host stored in small letters stays found.
    const std::string name = toBytes(defaultChoice().itemText(entry));
    std::vector<std::string> names;
    std::string current;
    if (m_doc && midrangeListSystems(m_doc->store(), names, current) && current == name)
        return true;
    if (!m_doc || !midrangeSetDefault(m_doc->store(), name)) {
        if (m_doc)
            m_doc->ReportError(ErrorCode::Store);
        return false;
    }
    return true;
}

bool CPgNODEXBas::leaving() {
    // A choice is checked when the page is left, and stored with the sheet's OK.
    if (defaultChoice().currentText().isEmpty() || chosenEntry() >= 0)
        return true;
    AppMessageBox(TelaEnvironment::GetUserString(ids::kMidMsgDefaultUnknown), kMbIconStop);
    focusField(&defaultChoice());
    return false;
}

QString CPgNODEXBas::selected() const {
    const int row = systems().GetCurSel();
    return row >= 0 ? systems().GetText(row) : QString();
}

void CPgNODEXBas::add() {
    if (m_doc) {
        CDlgNODEXSystem dialog(this);
        dialog.ShowSystem(*m_doc, std::string());
    }
    activated();
}

void CPgNODEXBas::properties() {
    const QString name = selected();
    if (m_doc && !name.isEmpty()) {
        CDlgNODEXSystem dialog(this);
        dialog.ShowSystem(*m_doc, toBytes(name));
    }
    activated();
}

void CPgNODEXBas::remove() {
    const QString name = selected();
    if (m_doc && !name.isEmpty() && !midrangeDeleteSystem(m_doc->store(), toBytes(name)))
        m_doc->ReportError(ErrorCode::Store);
    activated();
}
