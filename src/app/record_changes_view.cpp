#include "record_changes_view.h"

#include "app_text.h"
#include "record_kinds.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QHeaderView>

#include <utility>

namespace {

constexpr int kRowsShown = 6;

QString shownValue(const FieldChange& f, const std::string& value) {
    return f.number ? fromBytes(value) : QLatin1Char('"') + fromBytes(value) + QLatin1Char('"');
}

QString whatText(const RecordChange& c) {
    switch (c.type) {
    case ChangeType::Added:
        return userString(ids::kReviewAdded);
    case ChangeType::Removed:
        return userString(ids::kReviewRemoved);
    case ChangeType::Moved:
        return userString(ids::kReviewMoved)
            .replace(QLatin1String("%1"), QString::number(c.beforePlace))
            .replace(QLatin1String("%2"), QString::number(c.afterPlace));
    case ChangeType::Changed:
        break;
    }
    return QString();
}

// "MODE: "A" -> "B"; SEC_PW changed", or what happened to the record as a whole.
QString sideText(ChangeType type, const std::vector<FieldChange>& fields) {
    if (type == ChangeType::Removed)
        return userString(ids::kReviewRemoved);
    QStringList parts;
    for (const FieldChange& f : fields)
        parts << QString::fromStdString(f.field) + QLatin1String(": ") +
                     (f.password ? userString(ids::kReviewChanged)
                                 : shownValue(f, f.before) + QStringLiteral(" → ") +
                                       shownValue(f, f.after));
    if (parts.isEmpty() && type == ChangeType::Added)
        return userString(ids::kReviewAdded);
    return parts.join(QLatin1String("; "));
}

void setUp(QTreeWidget& tree, const QStringList& headers) {
    tree.setColumnCount(static_cast<int>(headers.size()));
    tree.setHeaderLabels(headers);
    tree.setRootIsDecorated(false);
    tree.setUniformRowHeights(true);
    tree.setAlternatingRowColors(true);
    tree.header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tree.setMinimumHeight(tree.fontMetrics().height() * (kRowsShown + 2));
}

} // namespace

QString recordKindText(const RecordName& id) {
    if (id.otherSection)
        return QLatin1Char('[') + fromBytes(id.section) + QLatin1Char(']');
    const RecordKind* option = findOptionKind(kindOf(id.family).optionKind);
    return option ? userString(option->texts.labelId) : QString();
}

QString recordNameText(const RecordName& id) {
    QString name =
        id.otherSection ? fromBytes(id.name) : recordLabel(id.family, id.name, id.nameless);
    if (id.sameName > 1)
        name += QStringLiteral(" (%1)").arg(id.sameName);
    return name;
}

RecordChangesView::RecordChangesView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("reviewRecords"));
    setUp(*this, {userString(ids::kProblemsKind), userString(ids::kProblemsName),
                  userString(ids::kReviewField), userString(ids::kReviewBefore),
                  userString(ids::kReviewAfter)});
    setAccessibleName(userString(ids::kReviewByRecord));
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activate(item); });
}

void RecordChangesView::setChanges(std::vector<RecordChange> changes) {
    m_changes = std::move(changes);
    clear();
    QList<QTreeWidgetItem*> rows;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        const RecordChange& c = m_changes[i];
        const QStringList record = {recordKindText(c.id), recordNameText(c.id)};
        auto add = [&](const QStringList& rest) {
            auto* item = new QTreeWidgetItem(record + rest);
            item->setData(0, Qt::UserRole, static_cast<int>(i));
            rows << item;
        };
        if (c.type != ChangeType::Changed)
            add({whatText(c)});
        for (const FieldChange& f : c.fields)
            add({QString::fromStdString(f.field), f.password ? QString() : shownValue(f, f.before),
                 f.password ? userString(ids::kReviewChanged) : shownValue(f, f.after)});
    }
    addTopLevelItems(rows);
    for (int column = 0; column < columnCount(); ++column)
        resizeColumnToContents(column);
}

void RecordChangesView::activate(QTreeWidgetItem* item) {
    const auto i = static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt());
    if (i >= m_changes.size() || m_changes[i].id.otherSection)
        return;
    const RecordChange& c = m_changes[i];
    // A one-record kind's sheet opens on its one entry; a record that is gone, or one
    // without its name key, shows its kind only.
    const RecordKind& kind = kindOf(c.id.family);
    const int entry = kind.entryTextId;
    const int row = entry || c.afterPlace == 0 ? 0 : c.afterPlace - 1;
    std::string name;
    if (c.afterPlace > 0 && !c.id.nameless)
        name = entry ? TelaEnvironment::GetUserString(entry) : c.id.name;
    emit recordActivated(kind.optionKind, row, name);
}

MergeConflictsView::MergeConflictsView(std::vector<MergeConflict>& conflicts, QWidget* parent)
    : QTreeWidget(parent), m_conflicts(conflicts) {
    setObjectName(QStringLiteral("mergeConflicts"));
    setUp(*this, {userString(ids::kProblemsKind), userString(ids::kProblemsName),
                  userString(ids::kMergeMine), userString(ids::kMergeTheirs)});
    setAccessibleName(userString(ids::kMergeConflicts));
    for (std::size_t i = 0; i < m_conflicts.size(); ++i) {
        const MergeConflict& c = m_conflicts[i];
        auto* item = new QTreeWidgetItem(this, {recordKindText(c.id), recordNameText(c.id),
                                                sideText(c.mine, c.mineFields),
                                                sideText(c.theirs, c.theirFields)});
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, c.takeMine ? Qt::Checked : Qt::Unchecked);
    }
    for (int column = 0; column < columnCount(); ++column)
        resizeColumnToContents(column);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const auto i = static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt());
        const bool mine = item->checkState(0) == Qt::Checked;
        if (column != 0 || i >= m_conflicts.size() || m_conflicts[i].takeMine == mine)
            return;
        m_conflicts[i].takeMine = mine;
        emit choiceChanged();
    });
}
