// The main window: menu, status bar with its lock-key indicators, and the form as its only
// client. It has no sizing border and no maximize box; its size is the form's.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class CCfgDoc;
class CCfgFrmView;
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

    // "<application title> - <document name>".
    void UpdateCaption();
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CCfgDoc& m_doc;
    std::unique_ptr<Ui::CMainFrame> m_ui;
    CCfgFrmView* m_view;
    QList<QAction*> m_recentActions;
    QLabel* m_capsIndicator;
    QLabel* m_numIndicator;
    QLabel* m_scrollIndicator;
};
