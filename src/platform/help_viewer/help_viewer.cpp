#include "help_viewer.h"

#include "help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const QString kDefaultTopic = QStringLiteral("index.html");
const QString kVirtualFolder = QStringLiteral("doc");

} // namespace

QString helpTopicForContext(quintptr context) {
    return QStringLiteral("ctx-%1.html").arg(context);
}

extern "C" Q_DECL_EXPORT int apicfgShowHelp(QWidget* owner, const QString& path, int command,
                                            quintptr data) {
    return HtmlHelp::instance().call(owner, path, command, data);
}

namespace {
std::unique_ptr<HtmlHelp>& programHelp() {
    static std::unique_ptr<HtmlHelp> help;
    return help;
}
} // namespace

HtmlHelp& HtmlHelp::instance() {
    std::unique_ptr<HtmlHelp>& help = programHelp();
    if (!help) {
        help = std::make_unique<HtmlHelp>();
        // Its window must go while the application still exists.
        qAddPostRoutine([] { programHelp().reset(); });
    }
    return *help;
}

HtmlHelp::HtmlHelp() = default;

HelpWindow* HtmlHelp::window() const {
    return m_window.data();
}

HtmlHelp::~HtmlHelp() {
    delete m_window.data();
    delete m_engine.data();
}

bool HtmlHelp::load(const QString& path) {
    if (!qApp || !QFileInfo(path).isFile())
        return false;
    m_nameSpace = QHelpEngineCore::namespaceName(path);
    if (m_nameSpace.isEmpty())
        return false;
    m_collectionDir = std::make_unique<QTemporaryDir>();
    if (!m_collectionDir->isValid())
        return false;
    // Owned by the application as well, so that it never outlives it.
    m_engine = new QHelpEngine(m_collectionDir->filePath(QStringLiteral("help.qhc")), qApp);
    const QUrl index(
        QStringLiteral("qthelp://%1/%2/%3").arg(m_nameSpace, kVirtualFolder, kDefaultTopic));
    m_engine->setReadOnly(false); // the collection is ours, and registering writes to it
    if (!m_engine->setupData() || !m_engine->registerDocumentation(path) ||
        m_engine->fileData(index).isEmpty())
        return false;
    m_engine->contentModel()->createContents(QString());
    return true;
}

int HtmlHelp::call(QWidget* owner, const QString& path, int command, quintptr data) {
    if (m_state == State::Failed)
        return 0;
    if (command != kHtmlHelpDisplayTopic && command != kHtmlHelpContext)
        return 0;
    if (m_state == State::NotTried) {
        m_state = load(path) ? State::Ready : State::Failed;
        if (m_state == State::Failed) {
            delete m_engine.data();
            m_collectionDir.reset();
            return 0;
        }
    }
    if (!m_engine)
        return 0;

    auto topic = [this](const QString& file) {
        return QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(m_nameSpace, kVirtualFolder, file));
    };
    QUrl url = topic(command == kHtmlHelpContext ? helpTopicForContext(data) : kDefaultTopic);
    if (m_engine->fileData(url).isEmpty())
        url = topic(kDefaultTopic);

    // The window sits over the one that asked, or over the open modal window, so that it
    // can be used while a sheet is open.
    QWidget* parent = owner ? owner->window() : QApplication::activeModalWidget();
    if (!m_window) {
        m_window = new HelpWindow(*m_engine, parent);
    } else if (m_window->parentWidget() != parent) {
        const QRect geometry = m_window->geometry();
        m_window->setParent(parent, Qt::Window);
        m_window->setGeometry(geometry);
    }
    m_window->showTopic(url);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return 1;
}
