// A modal dialog over a sheet that edits one record with the same conventions as a sheet's
// page: its fields are a SheetPage (control table, limits, legends, help), below them OK,
// Cancel and Help, and OK runs the sheet's OK sequence (leave, checks, write).
#pragma once

#include "messages.h"
#include "record_checks.h"
#include "sheet_help.h"

#include <QDialog>

class CCfgDoc;
class QDialogButtonBox;
class SheetPage;

class SheetDialog : public QDialog {
    Q_OBJECT
public:
    struct Legends {
        int ok = 0, cancel = 0, help = 0; // string ids of the buttons; 0 keeps Qt's text
    };
    SheetDialog(HelpRef buttonHelp, int messageStyle, Legends legends, QWidget* parent = nullptr);
    ~SheetDialog() override;

    void accept() override;
    // Opened on a stored record: OK without a change then stores nothing.
    void setOpenedOnRecord(bool on) { m_openedOnRecord = on; }
    // Help for the control that has the focus, else the form's default topic.
    void helpRequest();

protected:
    // The dialog's body: a member of the derived dialog, set once it has been made.
    void setForm(SheetPage& form);
    void setDocument(CCfgDoc& doc) { m_doc = &doc; }
    CCfgDoc& document() const { return *m_doc; }
    // Fills the form's controls and shows the dialog modally; 1 when closed with OK.
    int runModal();
    virtual bool checkValues() { return true; }
    virtual int writeRecord(int& failureFlag, ErrorCode& errorCode) = 0;
    void showCheckMessage(int messageId) const;
    // Shows what the kind's check refused and puts the cursor on that control of the form;
    // returns false.
    bool refuse(const RecordRefusal& refusal, int controlId);
    // Puts the cursor in that control of the form, its text selected; returns false.
    bool refuseFocus(int controlId);

private:
    SheetPage* m_form = nullptr;
    bool m_openedOnRecord = false;
    CCfgDoc* m_doc = nullptr; // the document outlives the dialog
    HelpRef m_buttonHelp;
    int m_messageStyle;
    QDialogButtonBox* m_buttons;
};
