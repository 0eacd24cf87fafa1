#include "sheet_dialog.h"

#include "messages.h"
#include "refusal_focus.h"
#include "screen_fit.h"
#include "sheet_confirm.h"
#include "sheet_page.h"
#include "tela_environment.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

void setLegend(QPushButton* button, int id) {
    if (button && id)
        button->setText(QString::fromStdString(TelaEnvironment::GetUserString(id)));
}

} // namespace

SheetDialog::SheetDialog(HelpRef buttonHelp, int messageStyle, Legends legends, QWidget* parent)
    : QDialog(parent), m_buttonHelp(buttonHelp), m_messageStyle(messageStyle),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setLegend(m_buttons->button(QDialogButtonBox::Ok), legends.ok);
    setLegend(m_buttons->button(QDialogButtonBox::Cancel), legends.cancel);
    setLegend(m_buttons->button(QDialogButtonBox::Help), legends.help);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &SheetDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SheetDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this,
            [this] { showSheetHelp(this, m_buttonHelp); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &SheetDialog::helpRequest);
}

SheetDialog::~SheetDialog() = default;

void SheetDialog::setForm(SheetPage& form) {
    m_form = &form;
    setWindowTitle(form.caption());
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->insertWidget(0, new FittingScrollArea(&form));
    // Tab follows the order in which widgets joined the dialog: the buttons join again
    // after the form, so that the fields come first.
    m_buttons->setParent(nullptr);
    m_buttons->setParent(this);
    box->addWidget(m_buttons);
}

int SheetDialog::runModal() {
    if (!m_form)
        return 0;
    m_form->markUnchanged();
    m_form->ensureInitialised();
    m_form->activated();
    return exec() == QDialog::Accepted ? 1 : 0;
}

void SheetDialog::accept() {
    // A record the user left as it was is checked as the tool checks it, but not written
    // again: untouched means unchanged, and what the tool refuses the dialog refuses.
    const bool keep = m_openedOnRecord && m_form && !m_form->changed();
    if (confirmRecord(
            m_form, m_doc, [this] { return checkValues(); },
            [this, keep](int& failureFlag, ErrorCode& errorCode) {
                return keep ? 1 : writeRecord(failureFlag, errorCode);
            }))
        QDialog::accept();
}

void SheetDialog::helpRequest() {
    if (m_form)
        showSheetHelp(this, m_form->helpFor(focusWidget()));
}

bool SheetDialog::refuse(const RecordRefusal& refusal, int controlId) {
    showRefusal(refusal, m_messageStyle);
    return refuseFocus(controlId);
}

bool SheetDialog::refuseFocus(int controlId) {
    if (m_form)
        focusField(m_form->control(controlId));
    return false;
}

void SheetDialog::showCheckMessage(int messageId) const {
    AppMessageBox(TelaEnvironment::GetUserString(messageId), m_messageStyle);
}
