// The main window's form: the configuration options, the description of the selected one,
// and the records of that kind with New, View/Change/Add and Delete. It never touches the
// store; everything goes through the document's option dispatch.
#pragma once

#include "record_problems.h"
#include "records_model.h"

#include <QWidget>

#include <functional>

#include <memory>
#include <string>

class CCfgDoc;
class DocumentHistory;
class QPushButton;
namespace Ui {
class CCfgFrmView;
}

class CCfgFrmView : public QWidget {
    Q_OBJECT
public:
    explicit CCfgFrmView(CCfgDoc& doc, QWidget* parent = nullptr);
    ~CCfgFrmView() override;

    // First display of a document; runs again after every New and Open.
    void OnInitialUpdate();
    void AddOption(int labelId, int kind);
    void RefreshRecords();
    void UpdateButtons();

    void OnNew();
    void OnViewChange();
    void OnDelete();
    // Rename: the selected record keeps its place and values under a new name.
    void OnRename();

    // Asks for a new name for the record in that section of its family (a midrange system,
    // or a section without its name key, too) and renames it as one step.
    void renameSection(RecordFamily family, int occurrence, const std::string& current);
    // Asks whether to remove a section without its name key (line: where it stands, 0 when
    // unknown) and removes it as one step.
    void deleteNamelessSection(RecordFamily family, int occurrence, long line);

    // Record changes become steps of this history (none: they are made directly).
    void setHistory(DocumentHistory* history) { m_history = history; }
    // Selects the option kind and the record in that row of its list, as a click would.
    void selectRecord(int kind, int row);
    // View/Change/Add on the record of that name of the current kind.
    void editRecord(const std::string& name);

    int currentKind() const { return m_currentKind; }
    QPushButton* renameButton() const { return m_renameButton; }
    const Ui::CCfgFrmView& ui() const { return *m_ui; }
    const RecordsModel& records() const { return m_records; }
    int fullListHeight() const { return m_fullHeight; }
    int shortListHeight() const { return m_shortHeight; }

signals:
    // A command of the form may have changed the document.
    void documentChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void captureListSizes();
    bool selectedRecord(std::string& name) const;
    // Runs a change of the document, as a step of the history when there is one; true in
    // changed when the store changed.
    int change(const QString& step, const std::function<int()>& run, bool& changed);
    void makeDefault(QPushButton* button);
    void keepDefaultEnabled();
    void addRenameButton();
    // The list row of the first record of the current kind with that name; -1 for none.
    int rowOf(const std::string& name) const;

    CCfgDoc& m_doc;
    DocumentHistory* m_history = nullptr;
    std::unique_ptr<Ui::CCfgFrmView> m_ui;
    RecordsModel m_records;
    int m_currentKind = 0;
    QString m_description;
    int m_fullHeight = 0; // 0 until captured at the first update
    int m_shortHeight = 0;
    QPushButton* m_renameButton; // a child of the form, below Delete
};
