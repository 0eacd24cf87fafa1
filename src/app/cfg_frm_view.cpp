#include "cfg_frm_view.h"

#include "app_text.h"
#include "ui_cfg_frm_view.h"

#include "cfg_doc.h"
#include "document_history.h"
#include "messages.h"
#include "option_kinds.h"
#include "record_rename.h"
#include "refusal_focus.h"
#include "rename_dialog.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tela_legend.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int kFullListEntries = 9;   // entries the records list shows at full height
constexpr int kDescriptionLines = 4;  // lines the description has room for
constexpr int kFormWidthInChars = 64; // the form's width, in average characters

// The option's row when its records carry names of their own, which can be renamed;
// nullptr for the one-record options.
const RecordKind* namedKind(int kind) {
    const RecordKind* k = findOptionKind(kind);
    return k && !k->nameKey.empty() ? k : nullptr;
}

bool isOneRecordKind(int kind) {
    const RecordKind* k = findOptionKind(kind);
    return k && k->oneRecordOnly;
}

// A record's name for a message: the file's bytes, or a language text for the one-record
// kinds, whose entry is the text of the language library.
QString shownName(int kind, const std::string& name) {
    return isOneRecordKind(kind) ? QString::fromUtf8(name.data(), qsizetype(name.size()))
                                 : QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

CCfgFrmView::CCfgFrmView(CCfgDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_ui(std::make_unique<Ui::CCfgFrmView>()), m_records(this) {
    m_ui->setupUi(this);
    telaApplyLegends(*this);
    m_ui->recordsList->setModel(&m_records);

    connect(m_ui->optionsList, &QListWidget::currentRowChanged, this, [this] { RefreshRecords(); });
    connect(m_ui->newButton, &QPushButton::clicked, this, &CCfgFrmView::OnNew);
    connect(m_ui->changeButton, &QPushButton::clicked, this, &CCfgFrmView::OnViewChange);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &CCfgFrmView::OnDelete);
    connect(m_ui->recordsList, &QListView::doubleClicked, this, &CCfgFrmView::OnViewChange);
    addRenameButton();
}

void CCfgFrmView::addRenameButton() {
    m_renameButton = new QPushButton(userString(ids::kRenameButton), this);
    m_renameButton->setObjectName(QStringLiteral("renameButton"));
    m_renameButton->setAutoDefault(false);
    m_ui->buttonColumn->insertWidget(m_ui->buttonColumn->indexOf(m_ui->deleteButton) + 1,
                                     m_renameButton);
    setTabOrder(m_ui->deleteButton, m_renameButton);
    connect(m_renameButton, &QPushButton::clicked, this, &CCfgFrmView::OnRename);
    // F2 renames, as in a file manager.
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), m_ui->recordsList);
    f2->setContext(Qt::WidgetShortcut);
    connect(f2, &QShortcut::activated, m_renameButton, &QPushButton::click);
}

CCfgFrmView::~CCfgFrmView() = default;

void CCfgFrmView::OnInitialUpdate() {
    if (m_fullHeight == 0)
        captureListSizes();
    for (const RecordKind& k : optionKinds())
        AddOption(k.texts.labelId, k.optionKind);
    // One refresh, here, whether or not the first entry was selected already.
    QListWidget* options = m_ui->optionsList;
    const QSignalBlocker quiet(options);
    options->setCurrentRow(0);
    RefreshRecords();
}

void CCfgFrmView::captureListSizes() {
    QListView* list = m_ui->recordsList;
    // The entry height as the list paints it, from one sample entry.
    m_records.setRecords({"Xg"}, RecordsModel::Encoding::Latin1);
    const int itemHeight = std::max(list->sizeHintForRow(0), list->fontMetrics().height());
    m_records.clear();
    const int frame = 2 * list->frameWidth();
    m_fullHeight = itemHeight * kFullListEntries + frame;
    m_shortHeight = static_cast<int>(itemHeight * 1.5);

    QListWidget* options = m_ui->optionsList;
    options->setFixedHeight(itemHeight * static_cast<int>(optionKinds().size()) +
                            2 * options->frameWidth());
    m_ui->description->setFixedHeight(m_ui->description->fontMetrics().lineSpacing() *
                                      kDescriptionLines);
    list->setMinimumHeight(m_fullHeight);

    // Wide enough for every option label and a readable description.
    int width = fontMetrics().averageCharWidth() * kFormWidthInChars;
    for (const RecordKind& k : optionKinds())
        width =
            std::max(width, options->fontMetrics().horizontalAdvance(userString(k.texts.labelId)) +
                                fontMetrics().averageCharWidth() * 8);
    setMinimumWidth(width);
}

void CCfgFrmView::AddOption(int labelId, int kind) {
    // An entry is reused when it has the text and the kind already, so that a new document
    // does not add the options again; without a language library every label is empty, and
    // every kind must still be an entry of its own.
    const QString text = userString(labelId);
    QListWidget* options = m_ui->optionsList;
    for (QListWidgetItem* item : options->findItems(text, Qt::MatchExactly)) {
        if (item->data(Qt::UserRole).toInt() == kind)
            return;
    }
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, kind);
    options->addItem(item); // the list owns the item
}

void CCfgFrmView::RefreshRecords() {
    const QListWidgetItem* selected = m_ui->optionsList->currentItem();
    m_currentKind = selected ? selected->data(Qt::UserRole).toInt() : 0;

    int descriptionId = 0;
    int titleId = 0;
    if (GetOptionStrings(m_currentKind, descriptionId, titleId)) {
        m_description = userString(descriptionId);
        m_ui->groupRecords->setTitle(userString(titleId));
    }

    m_records.clear();
    std::vector<std::string> names;
    // A section without its name key is the problems panel's to name; the list goes on.
    if (!m_doc.ListOptionRecords(m_currentKind, names, true))
        m_doc.ReportError(ErrorCode::Store);
    m_records.setRecords(std::move(names), isOneRecordKind(m_currentKind)
                                               ? RecordsModel::Encoding::Utf8
                                               : RecordsModel::Encoding::Latin1);

    // The first entry is selected after every refresh, never the one the user had.
    QListView* list = m_ui->recordsList;
    if (m_records.rowCount() > 0)
        list->selectionModel()->setCurrentIndex(m_records.index(0, 0),
                                                QItemSelectionModel::ClearAndSelect);
    list->scrollToTop();
    UpdateButtons();
    m_ui->description->setText(m_description);
}

void CCfgFrmView::UpdateButtons() {
    const int n = m_records.rowCount();
    const bool oneRecord = isOneRecordKind(m_currentKind);
    m_ui->newButton->setEnabled(!oneRecord || n == 0);
    if (m_fullHeight != 0) {
        // A kind of one record shows one entry, the others as many as the window has room
        // for; the space the short list gives up stays below it, so that nothing else moves.
        QListView* list = m_ui->recordsList;
        list->setMinimumHeight(oneRecord ? m_shortHeight : m_fullHeight);
        list->setMaximumHeight(oneRecord ? m_shortHeight : QWIDGETSIZE_MAX);
        m_ui->recordsListSpacer->changeSize(
            0, oneRecord ? m_fullHeight - m_shortHeight : 0, QSizePolicy::Minimum,
            oneRecord ? QSizePolicy::Expanding : QSizePolicy::Fixed);
        m_ui->recordsListColumn->invalidate();
    }
    m_ui->changeButton->setEnabled(n > 0);
    m_ui->deleteButton->setEnabled(n > 0);
    m_renameButton->setEnabled(n > 0 && namedKind(m_currentKind));
    keepDefaultEnabled();
}

void CCfgFrmView::keepDefaultEnabled() {
    // Enter must always do something: a default that became disabled (a new document, a
    // kind without records) passes to View/Change/Add when there is a record, else to New.
    const QList<QPushButton*> buttons{m_ui->newButton, m_ui->changeButton, m_ui->deleteButton};
    for (QPushButton* b : buttons)
        if (b->isDefault() && b->isEnabled())
            return;
    QPushButton* next = m_ui->changeButton->isEnabled() ? m_ui->changeButton : m_ui->newButton;
    for (QPushButton* b : buttons)
        b->setDefault(b == next);
}

bool CCfgFrmView::selectedRecord(std::string& name) const {
    const QModelIndexList rows = m_ui->recordsList->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        AppMessageBox(TelaEnvironment::GetUserString(ids::kMsgNoSelection), kMbOk);
        return false;
    }
    name = m_records.nameAt(rows.front().row());
    return true;
}

void CCfgFrmView::makeDefault(QPushButton* button) {
    for (QPushButton* b : {m_ui->newButton, m_ui->changeButton, m_ui->deleteButton})
        b->setDefault(b == button);
    button->setFocus(Qt::OtherFocusReason);
}

int CCfgFrmView::change(const QString& step, const std::function<int()>& run, bool& changed) {
    if (m_history) {
        const int result = m_history->record(step, run);
        changed = m_history->lastChanged();
        return result;
    }
    const std::uint64_t before = m_doc.store().changeCount();
    const int result = run();
    changed = m_doc.store().changeCount() != before;
    return result;
}

void CCfgFrmView::OnNew() {
    const int kind = m_currentKind;
    bool changed = false;
    const int result = change(
        userString(ids::kStepNew), [&] { return m_doc.EditOptionRecord(kind, std::string()); },
        changed);
    // A sheet that wrote before it was cancelled (the midrange systems) changed the list too;
    // one closed with OK that changed nothing leaves the list and its selection alone.
    if (changed)
        RefreshRecords();
    if (result && !m_ui->newButton->isEnabled())
        makeDefault(m_ui->changeButton);
    emit documentChanged();
}

void CCfgFrmView::OnViewChange() {
    std::string name;
    if (selectedRecord(name))
        editRecord(name);
}

void CCfgFrmView::editRecord(const std::string& name) {
    const int kind = m_currentKind;
    bool changed = false;
    change(
        userString(ids::kStepChange).replace(QLatin1String("%1"), shownName(kind, name)),
        [&] { return m_doc.EditOptionRecord(kind, name); }, changed);
    if (changed)
        RefreshRecords();
    emit documentChanged();
}

void CCfgFrmView::OnDelete() {
    std::string name;
    if (!selectedRecord(name))
        return;
    const int kind = m_currentKind;
    const QString question =
        userString(ids::kMsgConfirmDelete).replace(QLatin1String("%1"), shownName(kind, name));
    if (AppMessageBox(question.toUtf8().toStdString(), kMbOkCancelQuestion) != kIdOk)
        return;
    bool changed = false;
    const int result = change(
        userString(ids::kStepDelete).replace(QLatin1String("%1"), shownName(kind, name)),
        [&] { return m_doc.DeleteOptionRecord(kind, name); }, changed);
    if (!result && !changed)
        return;
    RefreshRecords();
    UpdateButtons();
    if (m_records.rowCount() == 0)
        makeDefault(m_ui->newButton);
    emit documentChanged();
}

void CCfgFrmView::OnRename() {
    std::string name;
    const RecordKind* kind = namedKind(m_currentKind);
    if (!kind || !selectedRecord(name))
        return;
    const int occurrence = namedRecordSection(m_doc.store(), *kind->family, name);
    if (occurrence >= 0)
        renameSection(*kind->family, occurrence, name);
}

void CCfgFrmView::renameSection(RecordFamily family, int occurrence, const std::string& current) {
    const NameRule rule = kindOf(family).nameRule;
    std::string renamed;
    RenameDialog dialog(
        current, static_cast<int>(rule.limit), rule.upperCase,
        [&](const std::string& name) {
            RecordRefusal refusal;
            bool changed = false;
            RenameResult result = RenameResult::Missing;
            const QString step = userString(ids::kStepRename)
                                     .replace(QLatin1String("%1"), fromBytes(current))
                                     .replace(QLatin1String("%2"), fromBytes(name));
            change(
                step,
                [&] {
                    result = m_doc.RenameRecord(family, occurrence, name, refusal);
                    return result == RenameResult::Renamed ? 1 : 0;
                },
                changed);
            if (result == RenameResult::Refused)
                showRefusal(refusal, kMbIconStop);
            if (result == RenameResult::Duplicate)
                AppMessageBox(userString(ids::kRenameDuplicate)
                                  .replace(QLatin1String("%1"), fromBytes(name))
                                  .toUtf8()
                                  .toStdString(),
                              kMbIconStop);
            if (changed)
                renamed = name;
            return result == RenameResult::Renamed || result == RenameResult::Missing;
        },
        window());
    dialog.exec();
    if (renamed.empty())
        return;
    RefreshRecords();
    // The renamed record stays selected: it kept its place.
    if (const int row = rowOf(renamed); row >= 0)
        selectRecord(m_currentKind, row);
    emit documentChanged();
}

void CCfgFrmView::deleteNamelessSection(RecordFamily family, int occurrence, long line) {
    const RecordKind& named = kindOf(family);
    if (named.nameKey.empty())
        return;
    const QString section =
        QString::fromLatin1(named.section.data(), static_cast<qsizetype>(named.section.size()));
    const QString question =
        userString(ids::kConfirmDeleteSection)
            .replace(QLatin1String("%1"), section)
            .replace(QLatin1String("%2"), line > 0 ? QString::number(line) : QStringLiteral("?"));
    if (AppMessageBox(question.toUtf8().toStdString(), kMbOkCancelQuestion) != kIdOk)
        return;
    bool changed = false;
    change(
        userString(ids::kStepDeleteSection).replace(QLatin1String("%1"), section),
        [&] { return m_doc.DeleteRecordSection(family, occurrence); }, changed);
    if (!changed)
        return;
    RefreshRecords();
    emit documentChanged();
}

int CCfgFrmView::rowOf(const std::string& name) const {
    for (int row = 0; row < m_records.rowCount(); ++row)
        if (m_records.nameAt(row) == name)
            return row;
    return -1;
}

void CCfgFrmView::selectRecord(int kind, int row) {
    QListWidget* options = m_ui->optionsList;
    for (int i = 0; i < options->count(); ++i) {
        if (options->item(i)->data(Qt::UserRole).toInt() == kind && options->currentRow() != i)
            options->setCurrentRow(i); // refreshes the records
    }
    if (row >= 0 && row < m_records.rowCount())
        m_ui->recordsList->selectionModel()->setCurrentIndex(m_records.index(row, 0),
                                                             QItemSelectionModel::ClearAndSelect);
}

void CCfgFrmView::keyPressEvent(QKeyEvent* event) {
    // Enter works as in a dialog: it presses the button that has the focus, and anywhere
    // else (but on a record) the default button. The buttons do not take the default on
    // focus, so that the default stays where the form put it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // On a selected record Enter opens it, as a double click does.
        if (focusWidget() == m_ui->recordsList &&
            m_ui->recordsList->selectionModel()->hasSelection()) {
            OnViewChange();
            return;
        }
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused && !focused->isEnabled()) // its record went away with the document
            focused = nullptr;
        for (QPushButton* b :
             {m_ui->newButton, m_ui->changeButton, m_ui->deleteButton, m_renameButton}) {
            if ((focused ? b == focused : b->isDefault()) && b->isEnabled()) {
                b->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}
