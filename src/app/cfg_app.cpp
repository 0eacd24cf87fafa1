#include "cfg_app.h"

#include "about_dialog.h"
#include "app_message_box.h"
#include "app_text.h"
#include "cfg_frm_view.h"
#include "document_history.h"
#include "editor_dispatch.h"
#include "html_help.h"
#include "installation.h"
#include "language_path.h"
#include "lazy_icon.h"
#include "main_frame.h"
#include "merge_on_save.h"
#include "option_kinds.h"
#include "path_bytes.h"
#include "program_data.h"
#include "prompts.h"
#include "qt_translations.h"
#include "record_diff.h"
#include "review_dialog.h"
#include "save_content.h"
#include "sheet_help.h"
#include "single_instance.h"
#include "start_command.h"
#include "startup_timing.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tela_legend.h"
#include "ui_main_frame.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QTimer>

namespace {

// Changes to the recent-file list within this time go to disk in one write.
constexpr int kRecentSaveDelayMs = 250;
// How often a file handed on by a later start looks whether the sheet or message box that
// keeps it waiting has closed.
constexpr int kHandedWaitMs = 200;
// The user setting that puts the review of changes before every save.
constexpr const char* kReviewBeforeSaveKey = "review/beforeSave";

// Paths go to the core as the bytes the system names the file by.
std::string toPath(const QString& path) {
    return bytesFromPath(path).toStdString();
}
QString fromPath(const std::string& path) {
    return pathFromBytes(QByteArray::fromStdString(path));
}

// What a save would write, and what the user changed since the file was opened or saved,
// by record.
ChangeReview currentReview(CCfgDoc& doc, CMainFrame& frame) {
    ChangeReview review = reviewChanges(doc.GetPathName(), savedBytes(doc.store()));
    if (const CfgStore* opened = frame.history().cleanStore())
        review.records = diffStores(*opened, doc.store());
    return review;
}

// A double click on a record in the review closed it: its sheet opens.
void openReviewed(const ReviewDialog& dialog, CMainFrame& frame) {
    const std::optional<ReviewDialog::RecordToOpen>& record = dialog.recordToOpen();
    if (!record)
        return;
    frame.view()->selectRecord(record->kind, record->row);
    if (!record->name.empty())
        frame.view()->editRecord(record->name);
}

} // namespace

CCfgApp::CCfgApp() {
    // The icons and layouts live in this library; a static library must pull them in.
    Q_INIT_RESOURCE(apicfg);
    m_recentSave.setSingleShot(true);
    m_recentSave.setInterval(kRecentSaveDelayMs);
    connect(&m_recentSave, &QTimer::timeout, this, &CCfgApp::saveRecent);
    m_handedWait.setInterval(kHandedWaitMs);
    connect(&m_handedWait, &QTimer::timeout, this, &CCfgApp::openHandedFiles);
    qApp->installEventFilter(&m_screenFit);
}

CCfgApp::~CCfgApp() {
    saveRecent();
    prompts::setMainWindow(nullptr);
    setSheetHelpHook({});
}

QString CCfgApp::helpFilePath() const {
    // The help in the user's language where it is installed, else the English one.
    const std::string dir = toPath(m_programDir);
    const std::string own = toPath(userString(ids::kHelpFileName));
    if (!own.empty()) {
        const std::string file = programDataFile(dir, own);
        if (QFileInfo::exists(fromPath(file)))
            return fromPath(file);
    }
    return fromPath(programDataFile(dir, "apicfg.qch"));
}

CCfgApp::Start CCfgApp::InitInstance(const QStringList& arguments, const Options& options) {
    return InitInstance(toPath(filePathFromArguments(arguments)), options);
}

CCfgApp::Start CCfgApp::InitInstance(const std::string& file, const Options& options) {
    m_programDir = options.programDir;
    QApplication::setWindowIcon(lazyProgramIcon()); // the sheets and message boxes too

    // Single instance: a second copy hands its file to the first (or only brings it
    // forward) and ends without a word; without a socket this copy simply runs alone.
    if (options.singleInstance) {
        m_instance = std::make_unique<SingleInstance>(QStringLiteral("apicfg"));
        switch (m_instance->start(QByteArray::fromStdString(absoluteFilePath(file)))) {
        case SingleInstance::State::Secondary:
            return Start::AnotherInstance;
        case SingleInstance::State::Primary:
            connect(m_instance.get(), &SingleInstance::activationRequested, this,
                    [this] { bringToFront(m_frame.get()); });
            connect(m_instance.get(), &SingleInstance::openRequested, this,
                    &CCfgApp::openFromAnotherStart);
            break;
        case SingleInstance::State::Failed:
            break;
        }
    }

    // A library that does not load leaves every text empty; the program goes on.
    loadUserLanguage(toPath(m_programDir));
    telaSetTextLookup(TelaEnvironment::GetUserString);
    installQtTranslations(*this); // without them Qt's own buttons and dialogs stay English
    m_htmlHelp = 1;
    installAppMessagePresenter();
    m_recent.load();
    installDocumentPrompts();

    // A file that cannot be opened has been reported; the program goes on with a new one.
    // The window is built after it: only the window waits for the fonts (font_setup.h).
    if (file.empty())
        m_doc.OnNewDocument();
    else
        OpenDocumentPath(file);
    createFrame();

    // The window shows first; the file's problems are looked for right after its first paint.
    documentReplaced(false);
    m_frame->installEventFilter(this); // for the first paint
    applyStartupTimingSwitches(*m_frame);
    m_frame->show();
    prompts::setMainWindow(m_frame.get());
    return Start::Running;
}

void CCfgApp::createFrame() {
    m_frame = std::make_unique<CMainFrame>(m_doc);
    CMainFrame* frame = m_frame.get();
    connect(frame, &CMainFrame::fileNew, this, &CCfgApp::OnFileNew);
    connect(frame, &CMainFrame::fileOpen, this, &CCfgApp::OnFileOpen);
    connect(frame, &CMainFrame::fileSave, this, &CCfgApp::OnFileSave);
    connect(frame, &CMainFrame::fileSaveAs, this, &CCfgApp::OnFileSaveAs);
    connect(frame, &CMainFrame::recentFile, this, &CCfgApp::OnOpenRecentFile);
    connect(frame, &CMainFrame::filesDropped, this, &CCfgApp::OnDropFiles);
    connect(frame, &CMainFrame::about, this, &CCfgApp::OnAppAbout);
    connect(frame, &CMainFrame::helpIndex, this, &CCfgApp::OnHelpIndex);
    connect(frame, &CMainFrame::contextHelp, this,
            [this] { WinHelp(kMainWindowHelpContext, kHelpRequestContext); });
    connect(frame, &CMainFrame::closeRequested, this, [this](bool* allow) { *allow = CanExit(); });
    connect(frame, &CMainFrame::fileReview, this, &CCfgApp::OnFileReview);
    frame->ui().actionFileReviewBeforeSave->setChecked(reviewBeforeSave());
    connect(frame, &CMainFrame::reviewBeforeSaveToggled, this, &CCfgApp::setReviewBeforeSave);
    frame->setRecentFiles(m_recent.entries());

    setEditorRunner(runEditorSheet);
    setSheetHelpHook([this](QWidget* owner, int command, int data) {
        if (m_htmlHelp)
            callHtmlHelp(owner, helpFilePath(), command, static_cast<quintptr>(data));
    });
}

void CCfgApp::installDocumentPrompts() {
    DocumentPrompts hooks;
    hooks.fileName = [this](const std::string& proposed) -> std::optional<std::string> {
        const QString chosen = pathFromDialog(prompts::saveFileName(
            m_frame.get(), userString(ids::kTitleSaveAs), pathForDialog(fromPath(proposed)),
            userString(ids::kFileOpenFilter)));
        if (chosen.isEmpty())
            return std::nullopt;
        return toPath(chosen);
    };
    hooks.saveChanges = [this](const std::string& title) {
        const QString text =
            userString(ids::kPromptSaveChanges).replace(QLatin1String("%1"), fromPath(title));
        switch (prompts::message(
            m_frame.get(), userString(ids::kAppTitle), text, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return SaveChangesAnswer::Save;
        case QMessageBox::No:
            return SaveChangesAnswer::Discard;
        default:
            return SaveChangesAnswer::Cancel;
        }
    };
    hooks.overwriteChanged = [this](const std::string& path, const DiskState&, const DiskState&) {
        const QString text =
            userString(ids::kMergeQuestion)
                .replace(QLatin1String("%1"), QDir::toNativeSeparators(fromPath(path)));
        switch (prompts::message(
            m_frame.get(), userString(ids::kAppTitle), text, QMessageBox::Warning,
            QMessageBox::Apply | QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Apply,
            {{QMessageBox::Apply, userString(ids::kMergeButton)},
             {QMessageBox::Yes, userString(ids::kOverwriteButton)}})) {
        case QMessageBox::Yes:
            return ChangedFileAnswer::Overwrite;
        case QMessageBox::Apply:
            return mergeIntoChangedFile(m_doc, m_frame->history(), path, m_frame.get())
                       ? ChangedFileAnswer::Merge
                       : ChangedFileAnswer::Keep;
        default:
            return ChangedFileAnswer::Keep;
        }
    };
    hooks.saveUnreadText = [this](const std::string& path, long line, const std::string& why) {
        const QString text = userString(ids::kMsgUnreadSave)
                                 .arg(QDir::toNativeSeparators(fromPath(path)),
                                      QString::number(line), QString::fromStdString(why));
        return prompts::message(m_frame.get(), userString(ids::kAppTitle), text,
                                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
    };
    hooks.replaceExisting = [this](const std::string& path) {
        const QString text =
            userString(ids::kMsgReplaceDerived).arg(QDir::toNativeSeparators(fromPath(path)));
        return prompts::message(m_frame.get(), userString(ids::kAppTitle), text,
                                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
    };
    m_doc.SetPrompts(std::move(hooks));
}

bool CCfgApp::OpenDocumentFile(const QString& path) {
    return OpenDocumentPath(toPath(path));
}

bool CCfgApp::OpenDocumentPath(const std::string& file) {
    if (!m_doc.OnOpenDocument(file)) {
        m_doc.OnNewDocument();
        return false;
    }
    m_doc.SetPathName(file);
    rememberRecent(fromPath(file));
    return true;
}

void CCfgApp::openFromAnotherStart(const QByteArray& file) {
    m_handedFiles.append(file);
    bringToFront(m_frame.get());
    // Not from inside the socket's handler: the question about unsaved changes runs an
    // event loop of its own.
    QTimer::singleShot(0, this, &CCfgApp::openHandedFiles);
}

void CCfgApp::openHandedFiles() {
    // A sheet or message box keeps the file waiting: the document it works on stays.
    if (QApplication::activeModalWidget() || !m_frame) {
        if (!m_handedFiles.isEmpty())
            m_handedWait.start();
        return;
    }
    m_handedWait.stop();
    while (!m_handedFiles.isEmpty()) {
        const std::string file = m_handedFiles.takeFirst().toStdString();
        if (!m_doc.SaveModified())
            continue;
        OpenDocumentPath(file);
        documentReplaced();
    }
    bringToFront(m_frame.get());
}

void CCfgApp::documentReplaced(bool checkNow) {
    m_frame->view()->OnInitialUpdate();
    m_frame->documentReplaced(checkNow);
    m_frame->UpdateCaption();
    m_frame->setRecentFiles(m_recent.entries());
}

void CCfgApp::documentSaved(bool saved) {
    if (saved) {
        rememberRecent(fromPath(m_doc.GetPathName()));
        m_frame->history().saved();
    }
    // The save reads the file back; the list shows what the store holds now.
    m_frame->view()->RefreshRecords();
    m_frame->refreshProblems();
    m_frame->UpdateCaption();
}

bool CCfgApp::reviewBeforeSave() const {
    return QSettings().value(QLatin1String(kReviewBeforeSaveKey), false).toBool();
}

void CCfgApp::setReviewBeforeSave(bool on) {
    QSettings().setValue(QLatin1String(kReviewBeforeSaveKey), on);
}

void CCfgApp::OnFileReview() {
    ReviewDialog dialog(currentReview(m_doc, *m_frame), false, m_frame.get());
    prompts::execDialog(dialog);
    openReviewed(dialog, *m_frame);
}

void CCfgApp::rememberRecent(const QString& path) {
    m_recent.add(path);
    recentChanged();
    if (m_frame)
        m_frame->setRecentFiles(m_recent.entries());
}

void CCfgApp::recentChanged() {
    // Writing the settings takes a lock file, a temporary file and two syncs: not before
    // the window is there.
    m_recentDirty = true;
    if (m_painted)
        m_recentSave.start();
}

void CCfgApp::saveRecent() {
    m_recentSave.stop();
    if (!m_recentDirty)
        return;
    m_recentDirty = false;
    m_recent.save();
}

bool CCfgApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == m_frame.get() && !m_painted) {
        m_painted = true;
        watched->removeEventFilter(this);
        // Asking the display for the lock keys takes round trips that the paint need not wait
        // for, and the problems a check of every record.
        CMainFrame* frame = m_frame.get();
        QTimer::singleShot(0, frame, [frame] {
            frame->updateLockIndicators();
            frame->checkProblems();
        });
        if (m_recentDirty)
            m_recentSave.start();
    }
    return QObject::eventFilter(watched, event);
}

void CCfgApp::OnFileNew() {
    if (m_doc.NewDocument())
        documentReplaced();
}

void CCfgApp::OnFileOpen() {
    std::string directory;
    getConfigDirectory(directory);
    const QString path = pathFromDialog(prompts::openFileName(
        m_frame.get(), userString(ids::kTitleOpen), pathForDialog(fromPath(directory)),
        userString(ids::kFileOpenFilter)));
    if (path.isEmpty() || !m_doc.SaveModified())
        return;
    OpenDocumentFile(path);
    documentReplaced();
}

void CCfgApp::OnFileSave() {
    if (reviewBeforeSave() && !m_doc.GetPathName().empty()) {
        ReviewDialog dialog(currentReview(m_doc, *m_frame), true, m_frame.get());
        if (prompts::execDialog(dialog) != QDialog::Accepted) {
            openReviewed(dialog, *m_frame);
            return;
        }
    }
    documentSaved(m_doc.DoFileSave());
}

void CCfgApp::OnFileSaveAs() {
    documentSaved(m_doc.DoFileSaveAs());
}

void CCfgApp::OnOpenRecentFile(int index) {
    if (index < 0 || index >= m_recent.entries().size())
        return;
    const QString path = m_recent.entries().at(index);
    if (!m_doc.SaveModified())
        return;
    if (!OpenDocumentFile(path)) {
        m_recent.remove(index);
        recentChanged();
    }
    documentReplaced();
}

void CCfgApp::OnDropFiles(const QStringList& paths) {
    // Each dropped file opens as the document in turn; the last one stays open.
    for (const QString& path : paths) {
        if (!m_doc.SaveModified())
            return;
        OpenDocumentFile(path);
        documentReplaced();
    }
    bringToFront(m_frame.get());
}

void CCfgApp::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    prompts::execDialog(about);
}

void CCfgApp::OnHelpIndex() {
    callHtmlHelp(nullptr, helpFilePath(), kHtmlHelpDisplayTopic, 0);
}

void CCfgApp::WinHelp(quintptr data, int command) {
    if (!m_htmlHelp)
        return;
    if (command == kHelpRequestContext)
        callHtmlHelp(nullptr, helpFilePath(), kHtmlHelpContext, data);
    else if (command == kHelpRequestFinder)
        callHtmlHelp(nullptr, helpFilePath(), kHtmlHelpDisplayTopic, 0);
}

bool CCfgApp::CanExit() {
    if (!m_doc.CloseDocument())
        return false;
    saveRecent();
    return true;
}
