// The application object: start-up (single instance, language, the one document with its
// frame and form, the file on the command line) and the application-wide commands: File
// New, Open, Save, Save As, the recent files, dropped files, About and help.
#pragma once

#include "cfg_doc.h"
#include "recent_files.h"
#include "screen_fit.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class CMainFrame;
class SingleInstance;

// The help context of the main window, for F1 there.
inline constexpr int kMainWindowHelpContext = 128;
// The platform's help requests that reach WinHelp.
inline constexpr int kHelpRequestContext = 1;
inline constexpr int kHelpRequestFinder = 11;

class CCfgApp : public QObject {
    Q_OBJECT
public:
    struct Options {
        bool singleInstance = true;
        QString programDir; // the program's folder: its data files are found from there
    };
    enum class Start { Running, AnotherInstance };

    CCfgApp();
    ~CCfgApp() override;

    // file: the path named on the command line, as bytes; empty for none.
    Start InitInstance(const std::string& file, const Options& options);
    // arguments: those after the program's name, which name one file.
    Start InitInstance(const QStringList& arguments, const Options& options);

    CCfgDoc& document() { return m_doc; }
    CMainFrame* mainFrame() const { return m_frame.get(); }
    const RecentFileList& recentFiles() const { return m_recent; }
    QString helpFilePath() const;

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // File > Review Changes: what a save would change in the file on disk.
    void OnFileReview();
    // Whether every File Save first shows the review and asks; a user setting.
    bool reviewBeforeSave() const;
    void setReviewBeforeSave(bool on);
    void OnOpenRecentFile(int index);
    void OnDropFiles(const QStringList& paths);
    void OnAppAbout();
    void OnHelpIndex();
    // Every help request of the framework: a context number (1) or the help finder (11).
    void WinHelp(quintptr data, int command);
    // Asks about unsaved changes; false keeps the program running.
    bool CanExit();
    // A later start handed on its file (an absolute path, bytes): it opens here once no sheet
    // or message box is open, after the question about unsaved changes, and the window
    // comes to the front.
    void openFromAnotherStart(const QByteArray& file);

private:
    void createFrame();
    void installDocumentPrompts();
    // Opens a file as the document once unsaved changes were dealt with; a file that cannot
    // be opened leaves a new, empty document.
    bool OpenDocumentFile(const QString& path);
    bool OpenDocumentPath(const std::string& file);
    void openHandedFiles();
    void documentReplaced(bool checkNow = true);
    void documentSaved(bool saved);
    void rememberRecent(const QString& path);
    // The recent-file list goes to the settings once the window has painted, several changes
    // in one write, and at the latest when the program ends.
    void recentChanged();
    void saveRecent();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CCfgDoc m_doc;
    RecentFileList m_recent;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<SingleInstance> m_instance;
    QString m_programDir;
    QTimer m_recentSave;
    QList<QByteArray> m_handedFiles; // from later starts, waiting for a modal window to close
    QTimer m_handedWait;
    ScreenFit m_screenFit; // every window of the program on the screen
    bool m_recentDirty = false;
    bool m_painted = false;
    int m_htmlHelp = 1; // help goes to the help file; never cleared
};
