// The problems panel: every record of the document that the client would trip over, as the
// tool's check lists them. A double click (or Enter) asks for the record to be opened.
#pragma once

#include "record_problems.h"

#include <QDockWidget>

#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);

    void setProblems(const std::vector<RecordProblem>& problems);
    QTreeWidget& list() const { return *m_list; }

    // The texts a problem is shown with: kind, name, code, message.
    static QStringList columns(const RecordProblem& problem);

signals:
    // kind: the option kind; row: the record's place in its records list; name: the
    // record's name (empty: a section that no sheet can open).
    void problemActivated(int kind, int row, const std::string& name);

private:
    void activate(QTreeWidgetItem* item);

    QTreeWidget* m_list;
    std::vector<RecordProblem> m_problems;
};
