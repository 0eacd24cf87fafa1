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

    // Rebuilds the list and the default choice from the store; a choice the user made and
    // has not confirmed yet stays chosen while its system is listed.
    void activated() override;
    // Makes the default choice the store's default (the sheet's OK): false, with its
    // message, when the text names no listed system or the store refuses. A choice that is
    // the stored default already writes nothing.
    bool applyDefaultChoice();
    // The default choice differs from the stored default.
    bool changed() const override;

    TelaListBox& systems() const;
    TelaComboBox& defaultChoice() const;

protected:
    bool leaving() override;

private:
    void add();
    void properties();
    void remove();
    QString selected() const;
    // The listed system that the choice's text names: the very name, else one that differs
    // only in letter case (the box turns typed letters into capitals); -1 for none.
    int chosenEntry() const;
    // The stored default as the page last read it.
    QString m_storedDefault;

    std::unique_ptr<Ui::MidrangeBasicPage> m_ui;
    CCfgDoc* m_doc = nullptr; // the sheet's document, which outlives it
};
