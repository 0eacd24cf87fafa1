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

    // lines: per problem, the line of a section without its name key (0 for the others or
    // when unknown).
    void setProblems(std::vector<RecordProblem> problems, std::vector<long> lines = {});
    const std::vector<RecordProblem>& problems() const { return m_problems; }
    long lineOf(std::size_t row) const { return row < m_lines.size() ? m_lines[row] : 0; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text a problem shows in a column.
    static QString text(const RecordProblem& problem, int column);

private:
    std::vector<RecordProblem> m_problems;
    std::vector<long> m_lines;
};

class ProblemsTable;

class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);

    void setProblems(std::vector<RecordProblem> problems, std::vector<long> lines = {});
    QTableView& list() const;
    const ProblemsModel& model() const { return m_model; }
    // What activating the problem in that row does (a double click, Enter).
    void activate(int row);
    // Rename (F2, the context menu): a record with a name of its own, a midrange system or
    // a section without its name key.
    void rename(int row);
    // Delete (Del, the context menu): a section without its name key, or a record of a kind
    // of many records.
    void remove(int row);
    bool canRename(int row) const;
    bool canRemove(int row) const;

signals:
    // kind: the option kind; row: the record's place in its records list; name: the
    // name its sheet opens on (empty: a section that no sheet can open).
    void problemActivated(int kind, int row, const std::string& name);
    void renameRequested(int kind, int row, RecordFamily family, int occurrence,
                         const std::string& name);
    // name empty: a section without its name key, at that line (0 unknown).
    void removeRequested(int kind, int row, RecordFamily family, int occurrence,
                         const std::string& name, long line);

private:
    void showMenu(const QPoint& at);
    int currentRow() const;
    // The problem's row in its kind's records list, which passes over nameless sections.
    int listRow(const RecordProblem& p) const;

    ProblemsModel m_model;
    ProblemsTable* m_list;
};
