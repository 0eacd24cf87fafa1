// Review of changes: what changed, by record and field, above the unified difference
// between the file on disk and what a save would write now, read-only, in the usual
// colours. Shown from File > Review Changes, before a save when the user asked for that
// (then with Save and Cancel), and for a merge with the file changed on disk, where the
// records changed on both sides are listed first for the user to choose.
#pragma once

#include "record_merge.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class RecordChangesView;

// The review of a document whose file is at path (empty: not saved yet) and whose save
// would write `after`.
struct ChangeReview {
    QString title; // the window title
    QString note;  // what to know before reading the lines; may be empty
    QString diff;  // the unified difference, Latin-1 as the file's bytes
    bool changes = false;
    std::vector<RecordChange> records; // what changed, by record
};
ChangeReview reviewChanges(const std::string& path, const std::string& after);

class ReviewDialog : public QDialog {
    Q_OBJECT
public:
    // askToSave: Save and Cancel buttons instead of Close.
    ReviewDialog(const ChangeReview& review, bool askToSave, QWidget* parent = nullptr);

    QPlainTextEdit& view() const { return *m_view; }
    RecordChangesView& records() const { return *m_records; }

    // A merge: the conflicts are listed for the user to choose in them; after each choice
    // the review is made again by again().
    void showConflicts(std::vector<MergeConflict>& conflicts, std::function<ChangeReview()> again);

    // The record whose row was double-clicked, which closed the window.
    struct RecordToOpen {
        int kind = 0;
        int row = 0;
        std::string name; // empty: the kind only
    };
    const std::optional<RecordToOpen>& recordToOpen() const { return m_open; }

private:
    void showReview(const ChangeReview& review);

    QLabel* m_note;
    QLabel* m_byRecord;
    RecordChangesView* m_records;
    QPlainTextEdit* m_view;
    std::optional<RecordToOpen> m_open;
};
