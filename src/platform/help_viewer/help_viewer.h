// The help viewer library: the help engine over the help file and the program's help
// window. The editor loads it on its first help request (see html_help.h).
#pragma once

#include "html_help.h"

#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <memory>

class QHelpEngine;
class QTemporaryDir;
class HelpWindow;

// The topic file that a context number shows ("ctx-<N>.html").
QString helpTopicForContext(quintptr context);

// The state behind callHtmlHelp: loaded once, on the first call; a failure is final.
class HtmlHelp {
public:
    HtmlHelp();
    ~HtmlHelp();
    HtmlHelp(const HtmlHelp&) = delete;
    HtmlHelp& operator=(const HtmlHelp&) = delete;

    int call(QWidget* owner, const QString& path, int command, quintptr data);
    bool failed() const { return m_state == State::Failed; }
    HelpWindow* window() const;

    static HtmlHelp& instance();

private:
    enum class State { NotTried, Ready, Failed };
    bool load(const QString& path);

    State m_state = State::NotTried;
    QString m_nameSpace;
    // The engine needs a collection of its own; it is made fresh for each run, so that no
    // stale registration from another build or folder can point elsewhere.
    std::unique_ptr<QTemporaryDir> m_collectionDir;
    QPointer<QHelpEngine> m_engine;
    QPointer<HelpWindow> m_window;
};
