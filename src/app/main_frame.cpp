#include "main_frame.h"

#include "ui_main_frame.h"

#include "cfg_doc.h"
#include "cfg_frm_view.h"
#include "lock_keys.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>

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

QString recentText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kRecentTextChars)
        shown = shown.left(kRecentTextChars / 3) + QStringLiteral("...") +
                shown.right(kRecentTextChars * 2 / 3);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

CMainFrame::CMainFrame(CCfgDoc& doc, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_doc(doc), m_ui(std::make_unique<Ui::CMainFrame>()) {
    m_ui->setupUi(this);
    m_view = new CCfgFrmView(doc, this);
    setCentralWidget(m_view);
    setAcceptDrops(true);
    // F1 is no menu item, but works wherever the focus is in the window.
    addAction(m_ui->actionContextHelp);

    QStatusBar* status = m_ui->statusBar;
    status->addWidget(new QLabel(tr("Ready"), status), 1);
    m_capsIndicator = makeIndicator(QStringLiteral("CAP"), status);
    m_numIndicator = makeIndicator(QStringLiteral("NUM"), status);
    m_scrollIndicator = makeIndicator(QStringLiteral("SCRL"), status);
    status->addPermanentWidget(m_capsIndicator);
    status->addPermanentWidget(m_numIndicator);
    status->addPermanentWidget(m_scrollIndicator);

    for (int i = 0; i < kRecentFiles; ++i) {
        auto* action = new QAction(this);
        action->setVisible(false);
        action->setStatusTip(tr("Open this document"));
        connect(action, &QAction::triggered, this, [this, i] { emit recentFile(i); });
        m_ui->menuFile->insertAction(m_ui->actionRecentPlaceholder, action);
        m_recentActions.append(action);
    }

    const Ui::CMainFrame& u = *m_ui;
    connect(u.actionFileNew, &QAction::triggered, this, &CMainFrame::fileNew);
    connect(u.actionFileOpen, &QAction::triggered, this, &CMainFrame::fileOpen);
    connect(u.actionFileSave, &QAction::triggered, this, &CMainFrame::fileSave);
    connect(u.actionFileSaveAs, &QAction::triggered, this, &CMainFrame::fileSaveAs);
    connect(u.actionAppExit, &QAction::triggered, this, &QWidget::close);
    connect(u.actionViewStatusBar, &QAction::toggled, status, &QWidget::setVisible);
    connect(u.actionHelpIndex, &QAction::triggered, this, &CMainFrame::helpIndex);
    connect(u.actionContextHelp, &QAction::triggered, this, &CMainFrame::contextHelp);
    connect(u.actionAppAbout, &QAction::triggered, this, &CMainFrame::about);

    // The indicators follow the keys as they are pressed and when the window comes back.
    qApp->installEventFilter(this);
    updateLockIndicators();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::UpdateCaption() {
    const QString title = QString::fromUtf8(TelaEnvironment::GetUserString(ids::kAppTitle));
    const QString name = QFile::decodeName(QByteArray::fromStdString(m_doc.GetTitle()));
    setWindowTitle(title.isEmpty() ? name : title + QStringLiteral(" - ") + name);
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
