// The record-level difference as lists: each changed field, added, removed or moved record
// on a row of its own, naming the record and the field; and, for a merge, the records
// changed on both sides, each with a tick for keeping the user's change.
#pragma once

#include "record_merge.h"

#include <QTreeWidget>

#include <string>
#include <vector>

class RecordChangesView : public QTreeWidget {
    Q_OBJECT
public:
    explicit RecordChangesView(QWidget* parent = nullptr);

    void setChanges(std::vector<RecordChange> changes);
    const std::vector<RecordChange>& changes() const { return m_changes; }

signals:
    // A row was activated: the record's option kind, its row in the records list, and the
    // name its sheet opens on (empty: no sheet reaches it, the kind alone is shown).
    void recordActivated(int kind, int row, const std::string& name);

private:
    void activate(QTreeWidgetItem* item);

    std::vector<RecordChange> m_changes;
};

class MergeConflictsView : public QTreeWidget {
    Q_OBJECT
public:
    // The choices are made in conflicts itself, which must outlive the view.
    MergeConflictsView(std::vector<MergeConflict>& conflicts, QWidget* parent = nullptr);

signals:
    void choiceChanged();

private:
    std::vector<MergeConflict>& m_conflicts;
};

// "Kind" and "Name" as the records list and the problems panel show a record.
QString recordKindText(const RecordName& id);
QString recordNameText(const RecordName& id);
