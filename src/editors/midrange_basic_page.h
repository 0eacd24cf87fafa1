// The basic page of the midrange systems sheet (layout 106): the configured host systems,
// added, changed and removed in the store at once, and the default system.
#pragma once

#include "sheet_page.h"

#include <memory>

class CCfgDoc;
class TelaComboBox;
class TelaListBox;

namespace Ui {
class MidrangeBasicPage;
}

class CPgNODEXBas : public SheetPage {
    Q_OBJECT
public:
    enum ControlId {
        kSystemsLabel = 1381,
        kHostColumn = 1386,
        kSystems = 1380,
        kAdd = 1022,
        kRemove = 1384,
        kProperties = 1385,
        kDefaultGroup = 1382,
        kDefaultLabel = 1407,
        kDefault = 1383,
    };
    static constexpr int kLayoutId = 106;

    CPgNODEXBas();
    ~CPgNODEXBas() override;

    void setDocument(CCfgDoc& doc) { m_doc = &doc; }

    // Rebuilds the list and the default choice from the store.
    void activated() override;
    // Makes the default choice the store's default: false, with its message, when the text
    // names no listed system or the store refuses.
    bool applyDefaultChoice();

    TelaListBox& systems() const;
    TelaComboBox& defaultChoice() const;

protected:
    bool leaving() override;

private:
    void add();
    void properties();
    void remove();
    QString selected() const;

    std::unique_ptr<Ui::MidrangeBasicPage> m_ui;
    CCfgDoc* m_doc = nullptr; // the sheet's document, which outlives it
};
