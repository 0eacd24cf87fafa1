#include "problems_panel.h"

#include "app_text.h"
#include "record_kinds.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QHeaderView>
#include <QMenu>
#include <QShortcut>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace {

constexpr int kColumns = 4;
constexpr int kMessageChars = 60; // room the message column asks for, in characters
constexpr int kMostWidth = 1100;  // pixels; a longer message shows in full as a tooltip
constexpr int kRowsShown = 8;
constexpr int kWantedRows = 5; // what the window sets aside when it opens
constexpr int kLeastRows = 3;

} // namespace

// The list asks for room for the messages and a few rows, and makes do with less.
class ProblemsTable : public QTableView {
public:
    using QTableView::QTableView;
    int wantedWidth = 0;

    QSize sizeHint() const override {
        const int rows = verticalHeader()->defaultSectionSize() * kWantedRows +
                         horizontalHeader()->sizeHint().height() + 2 * frameWidth();
        return {std::max(wantedWidth, QTableView::sizeHint().width()), rows};
    }
};

void ProblemsModel::setProblems(std::vector<RecordProblem> problems, std::vector<long> lines) {
    beginResetModel();
    m_problems = std::move(problems);
    m_lines = std::move(lines);
    endResetModel();
}

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_problems.size());
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString ProblemsModel::text(const RecordProblem& p, int column) {
    switch (column) {
    case 0: {
        const RecordKind* option = findOptionKind(kindOf(p.family).optionKind);
        return option ? userString(option->texts.labelId) : QString();
    }
    case 1:
        return recordLabel(p.family, p.name, p.nameless);
    case 2:
        return p.isError() ? QString::number(p.code()) : userString(ids::kProblemWarning);
    case 3:
        return p.isError() ? QString::fromStdString(refusalText(p.refusal))
                           : userString(ids::kProblemOldForm)
                                 .replace(QLatin1String("%1"), fromBytes(p.oldServer));
    default:
        return QString();
    }
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole && index.column() == 1 && m_problems[row].nameless &&
        lineOf(row) > 0)
        return userString(ids::kProblemNoNameLine)
            .replace(QLatin1String("%1"), QString::number(lineOf(row)));
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == 3))
        return text(m_problems[static_cast<std::size_t>(index.row())], index.column());
    return {};
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static constexpr int kHeaders[kColumns] = {ids::kProblemsKind, ids::kProblemsName,
                                               ids::kProblemsCode, ids::kProblemsMessage};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return userString(kHeaders[section]);
}

ProblemsPanel::ProblemsPanel(QWidget* parent)
    : QDockWidget(userString(ids::kProblemsTitle), parent), m_model(this),
      m_list(new ProblemsTable(this)) {
    setObjectName(QStringLiteral("problemsPanel"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_list->setObjectName(QStringLiteral("problemsList"));
    m_list->setModel(&m_model);
    // A flat list of uniform rows: a table view lays out ten thousand of them at no cost.
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setAlternatingRowColors(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Columns fit the rows in view and a few more, not a thousand of them.
    m_list->horizontalHeader()->setResizeContentsPrecision(kRowsShown * 4);
    m_list->setAccessibleName(userString(ids::kProblemsTitle));
    // A few rows at least; the window sets aside room for more when it opens.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * (kLeastRows + 2));
    setWidget(m_list);
    connect(m_list, &QTableView::activated, this,
            [this](const QModelIndex& index) { activate(index.row()); });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &ProblemsPanel::showMenu);
    for (const auto& [key, act] :
         {std::pair{QKeySequence(Qt::Key_F2), &ProblemsPanel::rename},
          std::pair{QKeySequence(QKeySequence::Delete), &ProblemsPanel::remove}}) {
        auto* shortcut = new QShortcut(key, m_list);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, act] { (this->*act)(currentRow()); });
    }
}

int ProblemsPanel::currentRow() const {
    return m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
}

void ProblemsPanel::showMenu(const QPoint& at) {
    const int row = m_list->indexAt(at).row();
    if (row < 0)
        return;
    m_list->setCurrentIndex(m_model.index(row, 0));
    QMenu menu(this);
    QAction* open = menu.addAction(userString(ids::kProblemOpen), [this, row] { activate(row); });
    open->setShortcut(QKeySequence(Qt::Key_Return));
    QAction* rename =
        menu.addAction(userString(ids::kProblemRename), [this, row] { this->rename(row); });
    rename->setShortcut(QKeySequence(Qt::Key_F2));
    rename->setEnabled(canRename(row));
    QAction* remove =
        menu.addAction(userString(ids::kProblemDelete), [this, row] { this->remove(row); });
    remove->setShortcut(QKeySequence(QKeySequence::Delete));
    remove->setEnabled(canRemove(row));
    menu.exec(m_list->viewport()->mapToGlobal(at));
}

bool ProblemsPanel::canRename(int row) const {
    const auto& all = m_model.problems();
    return row >= 0 && row < static_cast<int>(all.size()) &&
           !kindOf(all[static_cast<std::size_t>(row)].family).nameKey.empty();
}

bool ProblemsPanel::canRemove(int row) const {
    if (!canRename(row))
        return false;
    // A named record goes through its option's Delete, which for an option of one entry
    // (the midrange systems) would take every record of it along; a nameless one is removed
    // by its place.
    const RecordProblem& p = m_model.problems()[static_cast<std::size_t>(row)];
    const RecordKind* option = findOptionKind(kindOf(p.family).optionKind);
    return p.name.empty() || (option && !option->oneRecordOnly);
}

int ProblemsPanel::listRow(const RecordProblem& p) const {
    if (kindOf(p.family).entryTextId)
        return 0;
    int row = p.occurrence;
    for (const RecordProblem& other : m_model.problems())
        if (other.family == p.family && other.nameless && other.occurrence < p.occurrence)
            --row;
    return row;
}

void ProblemsPanel::rename(int row) {
    if (!canRename(row))
        return;
    const RecordProblem& p = m_model.problems()[static_cast<std::size_t>(row)];
    emit renameRequested(kindOf(p.family).optionKind, listRow(p), p.family, p.occurrence, p.name);
}

void ProblemsPanel::remove(int row) {
    if (!canRemove(row))
        return;
    const RecordProblem& p = m_model.problems()[static_cast<std::size_t>(row)];
    emit removeRequested(kindOf(p.family).optionKind, listRow(p), p.family, p.occurrence, p.name,
                         m_model.lineOf(static_cast<std::size_t>(row)));
}

void ProblemsPanel::setProblems(std::vector<RecordProblem> problems, std::vector<long> lines) {
    m_model.setProblems(std::move(problems), std::move(lines));
    // The columns fit what the first rows hold; the panel asks for room for the messages
    // too, but takes what the window has (the list scrolls), so that the window keeps its
    // size while problems come and go.
    int width = 0;
    for (int c = 0; c < kColumns - 1; ++c) {
        m_list->resizeColumnToContents(c);
        width += m_list->columnWidth(c);
    }
    m_list->wantedWidth =
        std::min(width + m_list->fontMetrics().averageCharWidth() * kMessageChars, kMostWidth);
    m_list->updateGeometry();
}

QTableView& ProblemsPanel::list() const {
    return *m_list;
}

void ProblemsPanel::activate(int row) {
    const auto& all = m_model.problems();
    if (row < 0 || row >= static_cast<int>(all.size()))
        return;
    const RecordProblem& p = all[static_cast<std::size_t>(row)];
    // A one-record kind's list shows its one entry, and its sheet opens on that entry.
    const RecordKind& kind = kindOf(p.family);
    const std::string name =
        kind.entryTextId ? TelaEnvironment::GetUserString(kind.entryTextId) : p.name;
    emit problemActivated(kind.optionKind, listRow(p), p.nameless ? std::string() : name);
}
