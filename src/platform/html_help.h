// The one way to the help file. The help file is a Qt Help file of the program's data; its
// topics show in the program's own help window, a viewer library that is loaded on the
// first call only (so that the help engine costs nothing at start-up). When the file or the
// viewer cannot be had, help quietly does nothing, and the failure is remembered for the
// program's life.
#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

inline constexpr int kHtmlHelpDisplayTopic = 0; // show the file's default topic; data unused
inline constexpr int kHtmlHelpContext = 15;     // show the topic of the context number in data

// Shows help over owner (or over the open modal window when owner is none). Returns
// non-zero when a topic is shown, 0 when help is not available or the command is unknown.
int callHtmlHelp(QWidget* owner, const QString& path, int command, quintptr data);

// The entry point the viewer library exports, resolved on the first call.
inline constexpr const char* kHelpViewerLibrary = "apicfg_help_viewer";
inline constexpr const char* kHelpViewerEntry = "apicfgShowHelp";
using HelpViewerEntry = int (*)(QWidget* owner, const QString& path, int command, quintptr data);
