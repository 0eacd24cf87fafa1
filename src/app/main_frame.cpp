#include "main_frame.h"

#include "app_text.h"
#include "ui_main_frame.h"

#include "cfg_doc.h"
#include "cfg_file.h"
#include "cfg_frm_view.h"
#include "cfg_lines.h"
#include "document_history.h"
#include "lock_keys.h"
#include "path_bytes.h"
#include "problems_panel.h"
#include "screen_fit.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tela_legend.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QUndoStack>

#include <fstream>
#include <iterator>

namespace {

constexpr int kRecentFiles = 4;
constexpr int kRecentTextChars = 60; // longer paths are shortened in the middle

QLabel* makeIndicator(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // As wide as its text, whether the key is on or off.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) +
                           label->fontMetrics().averageCharWidth() * 2);
    label->setProperty("indicatorText", text);
    return label;
}

void showIndicator(QLabel* label, bool on) {
    label->setText(on ? label->property("indicatorText").toString() : QString());
}

// The library's text, or the program's own when there is no library.
QString libraryText(int id, const char* builtIn) {
    const QString text = telaLegendText(id);
    return text.isEmpty() ? QString::fromLatin1(builtIn) : text;
}

QString recentText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(pathForDialog(path)); // as the system shows it
    if (shown.size() > kRecentTextChars)
        shown = shown.left(kRecentTextChars / 3) + QStringLiteral("...") +
                shown.right(kRecentTextChars * 2 / 3);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

CMainFrame::CMainFrame(CCfgDoc& doc, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_doc(doc), m_history(std::make_unique<DocumentHistory>(doc)),
      m_ui(std::make_unique<Ui::CMainFrame>()) {
    m_ui->setupUi(this);
    telaApplyLegends(*this); // menus and prompts in the user's language
    m_view = new CCfgFrmView(doc, this);
    m_view->setHistory(m_history.get());
    setCentralWidget(new FittingScrollArea(m_view, this)); // scrolls only on a small screen
    setAcceptDrops(true);
    // F1 is no menu item, but works wherever the focus is in the window.
    addAction(m_ui->actionContextHelp);

    buildStatusBar();
    buildRecentFiles();

    const Ui::CMainFrame& u = *m_ui;
    connect(u.actionFileNew, &QAction::triggered, this, &CMainFrame::fileNew);
    connect(u.actionFileOpen, &QAction::triggered, this, &CMainFrame::fileOpen);
    connect(u.actionFileSave, &QAction::triggered, this, &CMainFrame::fileSave);
    connect(u.actionFileSaveAs, &QAction::triggered, this, &CMainFrame::fileSaveAs);
    connect(u.actionAppExit, &QAction::triggered, this, &QWidget::close);
    connect(u.actionViewStatusBar, &QAction::toggled, m_ui->statusBar, &QWidget::setVisible);
    connect(u.actionHelpIndex, &QAction::triggered, this, &CMainFrame::helpIndex);
    connect(u.actionContextHelp, &QAction::triggered, this, &CMainFrame::contextHelp);
    connect(u.actionAppAbout, &QAction::triggered, this, &CMainFrame::about);
    connect(u.actionFileReview, &QAction::triggered, this, &CMainFrame::fileReview);
    connect(u.actionFileReviewBeforeSave, &QAction::toggled, this,
            &CMainFrame::reviewBeforeSaveToggled);
    connect(u.actionViewProblems, &QAction::triggered, this, &CMainFrame::showProblems);

    buildUndo();
    connect(m_view, &CCfgFrmView::documentChanged, this, &CMainFrame::afterChange);
    // Undo and redo set the modified flag once the step is done.
    connect(&m_history->stack(), &QUndoStack::cleanChanged, this, &CMainFrame::UpdateCaption);

    // The indicators follow the keys as they are pressed and when the window comes back;
    // the program shows them first right after the window's first paint.
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() = default;

// The recent files' entries, hidden until the list fills them, above the placeholder.
void CMainFrame::buildRecentFiles() {
    for (int i = 0; i < kRecentFiles; ++i) {
        auto* action = new QAction(this);
        action->setVisible(false);
        action->setStatusTip(libraryText(ids::kRecentPrompt, "Open this document"));
        connect(action, &QAction::triggered, this, [this, i] { emit recentFile(i); });
        m_ui->menuFile->insertAction(m_ui->actionRecentPlaceholder, action);
        m_recentActions.append(action);
    }
}

// Undo and redo of the record changes, in the Edit menu.
void CMainFrame::buildUndo() {
    QAction* undo =
        m_history->stack().createUndoAction(this, libraryText(ids::kUndoPrefix, "&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo =
        m_history->stack().createRedoAction(this, libraryText(ids::kRedoPrefix, "&Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undo->setObjectName(QStringLiteral("actionEditUndo"));
    redo->setObjectName(QStringLiteral("actionEditRedo"));
    m_ui->menuEdit->addAction(undo);
    m_ui->menuEdit->addAction(redo);
    connect(m_history.get(), &DocumentHistory::storeRestored, this, [this] {
        m_view->RefreshRecords();
        afterChange();
    });
}

void CMainFrame::buildStatusBar() {
    QStatusBar* status = m_ui->statusBar;
    status->addWidget(new QLabel(libraryText(ids::kStatusReady, "Ready"), status), 1);
    // The count of problems, shown only when there are any; a click shows the panel.
    m_problemsCount = new QLabel(status);
    m_problemsCount->setObjectName(QStringLiteral("problemsCount"));
    m_problemsCount->setTextFormat(Qt::RichText);
    m_problemsCount->hide();
    connect(m_problemsCount, &QLabel::linkActivated, this, [this] { showProblems(true); });
    status->addPermanentWidget(m_problemsCount);
    m_capsIndicator = makeIndicator(libraryText(ids::kIndicatorCaps, "CAP"), status);
    m_numIndicator = makeIndicator(libraryText(ids::kIndicatorNum, "NUM"), status);
    m_scrollIndicator = makeIndicator(libraryText(ids::kIndicatorScroll, "SCRL"), status);
    status->addPermanentWidget(m_capsIndicator);
    status->addPermanentWidget(m_numIndicator);
    status->addPermanentWidget(m_scrollIndicator);
    // The last indicator keeps off the window's edge, where its light border would vanish.
    status->setContentsMargins(0, 0, status->style()->pixelMetric(QStyle::PM_LayoutRightMargin) / 2,
                               0);
}

void CMainFrame::UpdateCaption() {
    const QString title = userString(ids::kAppTitle);
    const QString name =
        QFile::decodeName(QByteArray::fromStdString(m_doc.GetTitle())) + QStringLiteral("[*]");
    setWindowTitle(title.isEmpty() ? name : title + QStringLiteral(" - ") + name);
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::documentReplaced(bool checkNow) {
    m_history->reset();
    if (checkNow)
        checkProblems();
}

void CMainFrame::checkProblems() {
    refreshProblems();
    if (!m_problems.empty())
        showProblems(true);
}

void CMainFrame::afterChange() {
    UpdateCaption();
    refreshProblems();
}

void CMainFrame::refreshProblems() {
    const std::uint64_t now = m_doc.store().changeCount();
    if (now == m_problemsAt)
        return;
    m_problemsAt = now;
    m_problems = findRecordProblems(m_doc.store());
    m_problemLines = namelessLines();
    const auto n = static_cast<qsizetype>(m_problems.size());
    const QString count =
        n == 1 ? userString(ids::kProblemsOne)
               : userString(ids::kProblemsMany).replace(QLatin1String("%1"), QString::number(n));
    m_problemsCount->setText(
        QStringLiteral("<a href=\"problems\">%1</a>").arg(count.toHtmlEscaped()));
    m_problemsCount->setVisible(n > 0);
    if (m_problemsPanel)
        m_problemsPanel->setProblems(m_problems, m_problemLines);
}

std::vector<long> CMainFrame::namelessLines() const {
    std::vector<long> lines(m_problems.size(), 0);
    std::vector<long> sectionLines;
    bool read = false;
    for (std::size_t i = 0; i < m_problems.size(); ++i) {
        const RecordProblem& p = m_problems[i];
        if (!p.name.empty() || kindOf(p.family).nameKey.empty())
            continue;
        // The file as it is on disk while the document is as it was read, else as a save
        // would write it: the line is where the user finds the section.
        if (!read) {
            sectionLines = cfgSectionLines(m_doc.IsModified() || m_doc.GetPathName().empty()
                                               ? cfgWriteBuffer(m_doc.store())
                                               : fileBytes(m_doc.GetPathName()));
            if (sectionLines.size() != m_doc.store().sectionCount())
                sectionLines.clear();
            read = true;
        }
        const auto section = static_cast<std::size_t>(p.section);
        lines[i] = section < sectionLines.size() ? sectionLines[section] : 0;
    }
    return lines;
}

void CMainFrame::ensureProblemsPanel() {
    if (m_problemsPanel)
        return;
    // Made on first use: most files have no problems, and the start stays as fast.
    m_problemsPanel = new ProblemsPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsPanel);
    m_problemsPanel->setProblems(m_problems, m_problemLines);
    connect(m_problemsPanel, &ProblemsPanel::problemActivated, this, &CMainFrame::openProblem);
    connect(
        m_problemsPanel, &ProblemsPanel::renameRequested, this,
        [this](int kind, int row, RecordFamily family, int occurrence, const std::string& name) {
            m_view->selectRecord(kind, row);
            m_view->renameSection(family, occurrence, name);
        });
    connect(m_problemsPanel, &ProblemsPanel::removeRequested, this,
            [this](int kind, int row, RecordFamily family, int occurrence, const std::string& name,
                   long line) {
                m_view->selectRecord(kind, row);
                if (name.empty())
                    m_view->deleteNamelessSection(family, occurrence, line);
                else
                    m_view->OnDelete();
            });
    connect(m_problemsPanel, &QDockWidget::visibilityChanged, m_ui->actionViewProblems,
            &QAction::setChecked);
}

void CMainFrame::showProblems(bool on) {
    if (!on && !m_problemsPanel)
        return;
    ensureProblemsPanel();
    m_problemsPanel->setVisible(on);
    m_ui->actionViewProblems->setChecked(on);
    if (on)
        m_problemsPanel->raise();
}

void CMainFrame::openProblem(int kind, int row, const std::string& name) {
    m_view->selectRecord(kind, row);
    if (!name.empty())
        m_view->editRecord(name);
}

void CMainFrame::setRecentFiles(const QStringList& paths) {
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        const bool used = i < paths.size();
        action->setVisible(used);
        if (used)
            action->setText(recentText(i, paths[i]));
    }
    // An empty list shows the disabled placeholder in its place.
    m_ui->actionRecentPlaceholder->setVisible(paths.isEmpty());
}

void CMainFrame::updateLockIndicators() {
    const LockKeys keys = readLockKeys();
    showIndicator(m_capsIndicator, keys.caps);
    showIndicator(m_numIndicator, keys.num);
    showIndicator(m_scrollIndicator, keys.scroll);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this) {
        if (event->type() == QEvent::WindowActivate)
            updateLockIndicators();
    }
    if (event->type() == QEvent::KeyRelease && watched->isWidgetType()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            updateLockIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    bool allow = true;
    emit closeRequested(&allow);
    if (allow)
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}
