#include "property_sheet.h"

#include "cfg_doc.h"
#include "messages.h"
#include "refusal_focus.h"
#include "screen_fit.h"
#include "sheet_confirm.h"
#include "sheet_page.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tela_legend.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

PropertySheet::PropertySheet(const std::string& title, Help help, int messageStyle)
    : QDialog(nullptr), m_help(std::move(help)), m_messageStyle(messageStyle),
      m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this)) {
    setWindowTitle(QString::fromStdString(title));
    // OK and Cancel are Enter and Escape; Help takes its mnemonic from the library.
    if (const QString help = telaLegendText(ids::kSheetHelp); !help.isEmpty())
        m_buttons->button(QDialogButtonBox::Help)->setText(help);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, &PropertySheet::showButtonHelp);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::onTabChanged);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &PropertySheet::helpRequest);
}

PropertySheet::~PropertySheet() {
    // The pages, members of the derived sheet, are gone by now; their tabs follow with the
    // widget tree and must not reach this sheet on the way.
    disconnect(m_tabs, nullptr, this, nullptr);
    m_pages.clear();
}

void PropertySheet::addPage(SheetPage& page) {
    m_pages.push_back(&page);
    // Each tab holds its page in a scroll area of its own: a page that goes away empties it
    // and leaves the tabs as they are, and a page larger than the screen scrolls.
    const QSignalBlocker block(m_tabs);
    m_tabs->addTab(new FittingScrollArea(&page), page.caption());
    // Tab follows the order in which widgets joined the sheet: the buttons, made first,
    // join again at the end so that the fields come before OK, Cancel and Help.
    m_buttons->setParent(nullptr);
    m_buttons->setParent(this);
    layout()->addWidget(m_buttons);
}

SheetPage* PropertySheet::activePage() const {
    return m_current >= 0 && m_current < static_cast<int>(m_pages.size()) ? m_pages[m_current]
                                                                          : nullptr;
}

int PropertySheet::activeIndex() const {
    return m_current;
}

bool PropertySheet::setActivePage(int index) {
    if (index == m_current || index < 0 || index >= static_cast<int>(m_pages.size()))
        return index == m_current;
    m_tabs->setCurrentIndex(index);
    return m_current == index;
}

void PropertySheet::onTabChanged(int index) {
    if (m_switching)
        return;
    m_switching = true;
    // The page being left must give its values back first; while it refuses, it stays.
    if (SheetPage* old = activePage()) {
        m_tabs->setCurrentIndex(m_current);
        if (!old->leave()) {
            m_switching = false;
            return;
        }
        m_tabs->setCurrentIndex(index);
    }
    m_current = index;
    if (SheetPage* now = activePage()) {
        now->ensureInitialised();
        now->activated();
    }
    // A page shown for the first time may want more room: the sheet grows as far as the
    // screen allows, and never shrinks under the user's hands.
    if (isVisible())
        fitOnScreen(*this, size().expandedTo(sizeHint()));
    m_switching = false;
}

int PropertySheet::runModal() {
    if (m_pages.empty())
        return 0;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(0);
    }
    m_current = 0;
    for (SheetPage* page : m_pages)
        page->markUnchanged();
    if (m_doc)
        m_storeAtOpen = m_doc->store().changeCount();
    SheetPage& first = *m_pages.front();
    first.ensureInitialised();
    first.activated();
    // The sheet opens with the keyboard in the first page's first field, not on the tabs.
    for (QWidget* w = first.nextInFocusChain(); w != &first; w = w->nextInFocusChain()) {
        if (first.isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return exec() == QDialog::Accepted ? 1 : 0;
}

bool PropertySheet::untouched() const {
    if (!m_openedOnRecord || !m_doc || m_doc->store().changeCount() != m_storeAtOpen)
        return false;
    return std::none_of(m_pages.begin(), m_pages.end(),
                        [](const SheetPage* page) { return page->changed(); });
}

void PropertySheet::accept() {
    // A record the user left as it was is checked as the tool checks it, but not written
    // again: untouched means unchanged, and what the tool refuses the sheet refuses.
    const bool keep = untouched();
    if (confirmRecord(
            activePage(), m_doc, [this] { return checkValues(); },
            [this, keep](int& failureFlag, ErrorCode& errorCode) {
                return keep ? 1 : writeRecord(failureFlag, errorCode);
            }))
        QDialog::accept();
}

void PropertySheet::showCheckMessage(int messageId) const {
    AppMessageBox(TelaEnvironment::GetUserString(messageId), m_messageStyle);
}

bool PropertySheet::refuse(const RecordRefusal& refusal, int pageIndex, int controlId) {
    showRefusal(refusal, m_messageStyle);
    focusOn(pageIndex, controlId);
    return false;
}

void PropertySheet::focusOn(int pageIndex, int controlId) {
    // The page of the field comes forward; the values on the page being left are already
    // taken, so it leaves without a word.
    if (setActivePage(pageIndex))
        focusField(m_pages[static_cast<std::size_t>(pageIndex)]->control(controlId));
}

int PropertySheet::reportUnreadable() {
    if (m_doc)
        m_doc->ReportError(ErrorCode::Store);
    return 0;
}

void PropertySheet::showButtonHelp() {
    showSheetHelp(this, m_help.button);
}

void PropertySheet::helpRequest() {
    SheetPage* page = activePage();
    QWidget* focus = focusWidget();
    if (page && focus && page->isAncestorOf(focus)) {
        showSheetHelp(page, page->helpFor(focus));
        return;
    }
    const bool known = m_current >= 0 && m_current < static_cast<int>(m_help.pageHelp.size());
    showSheetHelp(this, known ? m_help.pageHelp[m_current] : m_help.fallback);
}
