// Review of changes: the unified difference between the file on disk and what a save
// would write now, read-only, in the usual colours. Shown from File > Review Changes, and
// before a save when the user asked for that, then with Save and Cancel.
#pragma once

#include <QDialog>

#include <string>

class QPlainTextEdit;

// The review of a document whose file is at path (empty: not saved yet) and whose save
// would write `after`.
struct ChangeReview {
    QString title; // the window title
    QString note;  // what to know before reading the lines; may be empty
    QString diff;  // the unified difference, Latin-1 as the file's bytes
    bool changes = false;
};
ChangeReview reviewChanges(const std::string& path, const std::string& after);

class ReviewDialog : public QDialog {
    Q_OBJECT
public:
    // askToSave: Save and Cancel buttons instead of Close.
    ReviewDialog(const ChangeReview& review, bool askToSave, QWidget* parent = nullptr);

    QPlainTextEdit& view() const { return *m_view; }

private:
    QPlainTextEdit* m_view;
};
