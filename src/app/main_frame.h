// The main window: menu, status bar with its lock-key indicators, the form as its client
// and the problems panel below it. It opens as large as the form and the panel want, within
// the screen, and changes its size only when the user does.
#pragma once

#include "record_problems.h"

#include <QMainWindow>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class CCfgDoc;
class CCfgFrmView;
class DocumentHistory;
class ProblemsPanel;
class QLabel;
namespace Ui {
class CMainFrame;
}

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CCfgDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CCfgFrmView* view() const { return m_view; }
    const Ui::CMainFrame& ui() const { return *m_ui; }
    DocumentHistory& history() const { return *m_history; }
    // The problems panel; null until it was first needed.
    ProblemsPanel* problemsPanel() const { return m_problemsPanel; }
    const std::vector<RecordProblem>& problems() const { return m_problems; }

    // "<application title> - <document name>", marked while the document is modified.
    void UpdateCaption();
    // A new or opened document: no undo steps; its problems are looked for (unless the
    // caller does that later, with checkProblems) and the panel shows itself when there are.
    void documentReplaced(bool checkNow = true);
    void checkProblems();
    // Looks for the document's problems again when the store changed since the last look.
    void refreshProblems();
    // The recent-file entries of the File menu, most recent first.
    void setRecentFiles(const QStringList& paths);
    void updateLockIndicators();

signals:
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void recentFile(int index);
    void helpIndex();
    void contextHelp();
    void about();
    void filesDropped(const QStringList& paths);
    // The frame is asked to close; set *allow to false to keep it open.
    void closeRequested(bool* allow);
    void fileReview();
    void reviewBeforeSaveToggled(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The prompt pane, the count of problems and the lock-key indicators.
    void buildStatusBar();
    void buildRecentFiles();
    void buildUndo();
    void showProblems(bool on);
    void ensureProblemsPanel();
    void openProblem(int kind, int row, const std::string& name);
    void afterChange();
    // Per problem, the line of a section without its name key; 0 for the others.
    std::vector<long> namelessLines() const;

    CCfgDoc& m_doc;
    std::unique_ptr<DocumentHistory> m_history;
    ProblemsPanel* m_problemsPanel = nullptr; // child of the frame
    QLabel* m_problemsCount;
    std::vector<RecordProblem> m_problems;
    std::vector<long> m_problemLines;
    std::uint64_t m_problemsAt = ~std::uint64_t{0}; // the store's change count they are of
    std::unique_ptr<Ui::CMainFrame> m_ui;
    CCfgFrmView* m_view;
    QList<QAction*> m_recentActions;
    QLabel* m_capsIndicator;
    QLabel* m_numIndicator;
    QLabel* m_scrollIndicator;
};
