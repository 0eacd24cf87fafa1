// The problems panel: every record of the document that the client would trip over, as the
// tool's check lists them. A double click (or Enter) asks for the record to be opened. The
// list is a view over the problems found, so that ten thousand of them show at once.
#pragma once

#include "record_problems.h"

#include <QAbstractTableModel>
#include <QDockWidget>

#include <string>
#include <vector>

class QTableView;

// The problems as rows of four columns: kind, name, code, message.
class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setProblems(std::vector<RecordProblem> problems);
    const std::vector<RecordProblem>& problems() const { return m_problems; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text a problem shows in a column.
    static QString text(const RecordProblem& problem, int column);

private:
    std::vector<RecordProblem> m_problems;
};

class ProblemsTable;

class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);

    void setProblems(std::vector<RecordProblem> problems);
    QTableView& list() const;
    const ProblemsModel& model() const { return m_model; }
    // What activating the problem in that row does (a double click, Enter).
    void activate(int row);

signals:
    // kind: the option kind; row: the record's place in its records list; name: the
    // name its sheet opens on (empty: a section that no sheet can open).
    void problemActivated(int kind, int row, const std::string& name);

private:
    ProblemsModel m_model;
    ProblemsTable* m_list;
};
