// A modal editor sheet: tab pages, OK, Cancel and Help (no Apply, since no page reports
// changes). A sheet class adds its pages, fills their data members from its record, and
// supplies its own checks and the write of the record; the base runs the OK sequence:
//   1. the active page leaves (limit checks); on failure the sheet stays open;
//   2. the sheet's own checks, the first failing one shows its message and stops;
//   3. the record is built and written; a refused write is reported by its code through
//      CCfgDoc::ReportError and the sheet stays open; success closes it with OK.
#pragma once

#include "messages.h"
#include "record_checks.h"
#include "sheet_help.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class CCfgDoc;
class QDialogButtonBox;
class QTabWidget;
class SheetPage;

class PropertySheet : public QDialog {
    Q_OBJECT
public:
    struct Help {
        HelpRef button;                // the Help button
        std::vector<HelpRef> pageHelp; // a request reaching the sheet, by active page
        HelpRef fallback;              // a request reaching the sheet otherwise
    };

    // messageStyle: the message box style of the sheet's own check messages.
    PropertySheet(const std::string& title, Help help, int messageStyle);
    ~PropertySheet() override;

    // Adds a page in tab order. Pages are members of the sheet class: the sheet outlives
    // them only as a widget tree, never as their owner.
    void addPage(SheetPage& page);
    SheetPage* activePage() const;
    int activeIndex() const;
    // Switches pages the way a tab click does: the active page must leave first.
    bool setActivePage(int index);

    // The sheet's document: what its record is read from and written to.
    CCfgDoc& document() const { return *m_doc; }

    // The OK command. Public so that the keyboard, the button and tests share one path.
    void accept() override;
    // Opened on a stored record (not for a new one): OK without a change then stores
    // nothing and checks nothing, as the record is already what it was.
    void setOpenedOnRecord(bool on) { m_openedOnRecord = on; }

    // Help for whatever has the keyboard focus: a control of the active page shows its
    // topic, anything else (tabs, buttons) the active page's topic.
    void helpRequest();

protected:
    void setDocument(CCfgDoc& doc) { m_doc = &doc; }
    // Shows the sheet modally with its first page; 1 when it was closed with OK, else 0.
    int runModal();
    // The sheet's own checks, in its order; on the first failure show its message with
    // showCheckMessage and return false.
    virtual bool checkValues() { return true; }
    // Builds the record from the pages' members and writes it; 0 with flag and code set
    // when the write refused it.
    virtual int writeRecord(int& failureFlag, ErrorCode& errorCode) = 0;
    void showCheckMessage(int messageId) const;
    // Shows what the kind's check refused and puts the cursor on the control of that page;
    // returns false, so that a sheet's checks end with it.
    bool refuse(const RecordRefusal& refusal, int pageIndex, int controlId);
    // Shows that page and puts the cursor in the control, its text selected.
    void focusOn(int pageIndex, int controlId);
    // Reports a record that could not be read (ErrorCode::Store); the run operation then returns 0.
    int reportUnreadable();

private:
    // Opened on a record, and neither a page nor the store changed since.
    bool untouched() const;
    void onTabChanged(int index);
    void showButtonHelp();

    CCfgDoc* m_doc = nullptr; // set by the run operation; the document outlives the sheet
    Help m_help;
    int m_messageStyle;
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    std::vector<SheetPage*> m_pages;
    int m_current = -1;
    bool m_switching = false;
    bool m_openedOnRecord = false;
    std::uint64_t m_storeAtOpen = 0; // the store's change count when the sheet opened
};
