#include "html_help.h"

#include "help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

enum class HelpState { NotTried, Ready, Failed };

const QString kDefaultTopic = QStringLiteral("index.html");
const QString kVirtualFolder = QStringLiteral("doc");

struct HelpSystem {
    HelpState state = HelpState::NotTried;
    QString nameSpace;
    // The engine needs a collection of its own; it is made fresh for each run, so that no
    // stale registration from another build or folder can point elsewhere.
    std::unique_ptr<QTemporaryDir> collectionDir;
    QPointer<QHelpEngine> engine;
    QPointer<HelpWindow> window;
};

HelpSystem& helpSystem() {
    static HelpSystem system;
    return system;
}

QUrl topicUrl(const HelpSystem& help, const QString& file) {
    return QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(help.nameSpace, kVirtualFolder, file));
}

bool loadHelp(HelpSystem& help, const QString& path) {
    if (!qApp || !QFileInfo(path).isFile())
        return false;
    help.nameSpace = QHelpEngineCore::namespaceName(path);
    if (help.nameSpace.isEmpty())
        return false;
    help.collectionDir = std::make_unique<QTemporaryDir>();
    if (!help.collectionDir->isValid())
        return false;
    // Owned by the application, so that it goes before the application does.
    help.engine = new QHelpEngine(help.collectionDir->filePath(QStringLiteral("help.qhc")), qApp);
    if (!help.engine->setupData() || !help.engine->registerDocumentation(path) ||
        !help.engine->findFile(topicUrl(help, kDefaultTopic)).isValid())
        return false;
    help.engine->contentModel()->createContents(QString());
    return true;
}

} // namespace

QString helpTopicForContext(quintptr context) {
    return QStringLiteral("ctx-%1.html").arg(context);
}

bool htmlHelpFailed() {
    return helpSystem().state == HelpState::Failed;
}

int callHtmlHelp(QWidget* owner, const QString& path, int command, quintptr data) {
    HelpSystem& help = helpSystem();
    if (help.state == HelpState::Failed)
        return 0;
    if (command != kHtmlHelpDisplayTopic && command != kHtmlHelpContext)
        return 0;
    if (help.state == HelpState::NotTried) {
        help.state = loadHelp(help, path) ? HelpState::Ready : HelpState::Failed;
        if (help.state == HelpState::Failed) {
            delete help.engine;
            help.collectionDir.reset();
            return 0;
        }
    }
    if (!help.engine)
        return 0;

    QUrl url =
        topicUrl(help, command == kHtmlHelpContext ? helpTopicForContext(data) : kDefaultTopic);
    if (!help.engine->findFile(url).isValid())
        url = topicUrl(help, kDefaultTopic);

    // The window sits over the one that asked, or over the open modal window, so that it
    // can be used while a sheet is open.
    QWidget* parent = owner ? owner->window() : QApplication::activeModalWidget();
    if (!help.window) {
        help.window = new HelpWindow(*help.engine, parent);
    } else if (help.window->parentWidget() != parent) {
        const QRect geometry = help.window->geometry();
        help.window->setParent(parent, Qt::Window);
        help.window->setGeometry(geometry);
    }
    help.window->showTopic(url);
    help.window->show();
    help.window->raise();
    help.window->activateWindow();
    return 1;
}
