#include "problems_panel.h"

#include "messages.h"
#include "option_kinds.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

#include <algorithm>

namespace {

QString userString(int id) {
    return QString::fromUtf8(TelaEnvironment::GetUserString(id));
}

QString latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The entry a one-record kind shows in its records list.
int entryTextOf(RecordFamily family) {
    switch (family) {
    case RecordFamily::Global:
        return ids::kEntryGlobal;
    case RecordFamily::Appc:
        return ids::kEntryAppc;
    case RecordFamily::MidrangeCommon:
        return ids::kEntryMidrange;
    default:
        return 0;
    }
}

constexpr int kMessageChars = 60;
constexpr int kMostWidth = 1100; // pixels; a longer message shows in full as a tooltip
constexpr int kRowsShown = 8;

bool opensASheet(const RecordProblem& p) {
    return entryTextOf(p.family) != 0 || !p.name.empty();
}

} // namespace

ProblemsPanel::ProblemsPanel(QWidget* parent)
    : QDockWidget(userString(ids::kProblemsTitle), parent), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("problemsPanel"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_list->setObjectName(QStringLiteral("problemsList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels({userString(ids::kProblemsKind), userString(ids::kProblemsName),
                             userString(ids::kProblemsCode), userString(ids::kProblemsMessage)});
    m_list->header()->setStretchLastSection(true);
    m_list->setAccessibleName(userString(ids::kProblemsTitle));
    setWidget(m_list);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * (kRowsShown + 2));
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemsPanel::activate);
}

QStringList ProblemsPanel::columns(const RecordProblem& p) {
    const OptionKind* kind = findOptionKind(optionKindOf(p.family));
    QString name = entryTextOf(p.family) ? userString(entryTextOf(p.family)) : latin1(p.name);
    if (!opensASheet(p))
        name = userString(ids::kProblemNoName);
    const QString code = p.code ? QString::number(p.code) : userString(ids::kProblemWarning);
    const QString message =
        p.code ? userString(errorMessageId(p.code))
               : userString(ids::kProblemOldForm).replace(QLatin1String("%1"), latin1(p.oldServer));
    return {kind ? userString(kind->labelId) : QString(), name, code, message};
}

void ProblemsPanel::setProblems(const std::vector<RecordProblem>& problems) {
    m_problems = problems;
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(problems.size()));
    for (std::size_t i = 0; i < problems.size(); ++i) {
        auto* item = new QTreeWidgetItem(columns(problems[i]));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
        item->setToolTip(3, item->text(3));
        items.append(item);
    }
    m_list->addTopLevelItems(items); // the list owns them
    int width = 0;
    for (int c = 0; c < 3; ++c) {
        m_list->resizeColumnToContents(c);
        width += m_list->columnWidth(c);
    }
    // Room for the messages beside the other columns: the window widens while the panel
    // is docked in it, rather than hiding them.
    const int messageWidth = m_list->fontMetrics().averageCharWidth() * kMessageChars;
    m_list->setMinimumWidth(std::min(width + messageWidth, kMostWidth));
    m_list->setUpdatesEnabled(true);
}

void ProblemsPanel::activate(QTreeWidgetItem* item) {
    if (!item)
        return;
    const auto i = static_cast<std::size_t>(item->data(0, Qt::UserRole).toULongLong());
    if (i >= m_problems.size())
        return;
    const RecordProblem& p = m_problems[i];
    const bool oneRecord = entryTextOf(p.family) != 0 || p.family == RecordFamily::MidrangeSystem;
    // A one-record kind's list shows its one entry; its sheet opens on that entry's text.
    std::string name = p.name;
    if (entryTextOf(p.family))
        name = TelaEnvironment::GetUserString(entryTextOf(p.family));
    else if (p.family == RecordFamily::MidrangeSystem)
        name = TelaEnvironment::GetUserString(ids::kEntryMidrange);
    emit problemActivated(optionKindOf(p.family), oneRecord ? 0 : p.occurrence,
                          opensASheet(p) ? name : std::string());
}
