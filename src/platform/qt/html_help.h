// The one way to the help file. The help file is a Qt Help file beside the program; its
// topics show in the program's own help window. When the file or the viewer cannot be had,
// help quietly does nothing, and the first failure is remembered for the program's life.
#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

inline constexpr int kHtmlHelpDisplayTopic = 0; // show the file's default topic; data unused
inline constexpr int kHtmlHelpContext = 15;     // show the topic of the context number in data

// Shows help over owner (or over the open modal window when owner is none). Returns
// non-zero when a topic is shown, 0 when help is not available or the command is unknown.
int callHtmlHelp(QWidget* owner, const QString& path, int command, quintptr data);

// The topic file that a context number shows ("ctx-<N>.html").
QString helpTopicForContext(quintptr context);

// Whether the help file failed to load; once true, it stays true.
bool htmlHelpFailed();
