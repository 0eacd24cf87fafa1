// The program's help window: the help file's contents on the left, the topic on the right.
#pragma once

#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;
class QTreeView;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& m_engine;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(QHelpEngine& engine, QWidget* parent);
    void showTopic(const QUrl& url);
    HelpBrowser* browser() const { return m_browser; }

private:
    QHelpEngine& m_engine;
    QTreeView* m_contents;
    HelpBrowser* m_browser;
};
