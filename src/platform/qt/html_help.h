// The one way to the help file. The help file is a Qt Help file beside the program; its
// topics show in the program's own help window. When the file or the viewer cannot be had,
// help quietly does nothing, and the first failure is remembered for the program's life.
#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <memory>

class QHelpEngine;
class QTemporaryDir;
class QWidget;
class HelpWindow;

inline constexpr int kHtmlHelpDisplayTopic = 0; // show the file's default topic; data unused
inline constexpr int kHtmlHelpContext = 15;     // show the topic of the context number in data

// Shows help over owner (or over the open modal window when owner is none). Returns
// non-zero when a topic is shown, 0 when help is not available or the command is unknown.
int callHtmlHelp(QWidget* owner, const QString& path, int command, quintptr data);

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
