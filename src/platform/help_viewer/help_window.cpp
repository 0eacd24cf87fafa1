#include "help_window.h"

#include <QAction>
#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), m_engine(engine) {
    // Closing the main window ends the program, even with help still open.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* tools = new QToolBar(this);
    m_browser = new HelpBrowser(engine, this);
    m_browser->setOpenExternalLinks(true);
    QAction* back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction* forward =
        tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction* home = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    // The keys of a web browser; the buttons show only icons.
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    // The window is named for the topic it shows.
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_browser->documentTitle()); });

    // The contents come from the engine's model, so this window can be made again at will.
    m_contents = new QTreeView(this);
    m_contents->setModel(engine.contentModel());
    m_contents->setHeaderHidden(true);
    m_contents->setUniformRowHeights(true);
    // No label names the two panes; screen readers read these names.
    m_contents->setAccessibleName(tr("Contents"));
    m_browser->setAccessibleName(tr("Topic"));
    connect(m_contents, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (QHelpContentItem* item = m_engine.contentModel()->contentItemAt(index))
            m_browser->setSource(item->url());
    });
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, m_contents,
            &QTreeView::expandAll);

    auto* split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(split);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 32);
    // Placed by the program in the middle of the screen, not left to the window manager,
    // which may put it where its lower part is off the screen.
    if (const QScreen* shownOn = screen())
        move(shownOn->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void HelpWindow::showTopic(const QUrl& url) {
    m_browser->setSource(url);
    m_contents->expandAll();
}
