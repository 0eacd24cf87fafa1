// Help from the sheets. Every help display goes through one hook that the application
// installs (it opens the help file); tests install a recorder.
#pragma once

#include <functional>

class QWidget;

inline constexpr int kHelpDefaultTopic = 0; // show the help file's default topic
inline constexpr int kHelpContext = 15;     // show the topic of a context number
inline constexpr int kHelpNone = -1;        // show nothing (a control that has no help)

struct HelpRef {
    int command = kHelpDefaultTopic;
    int data = 0; // the context number for kHelpContext
    friend bool operator==(const HelpRef&, const HelpRef&) = default;
};

inline constexpr HelpRef helpTopic(int context) {
    return HelpRef{kHelpContext, context};
}

using SheetHelpHook = std::function<void(QWidget* owner, int command, int data)>;
void setSheetHelpHook(SheetHelpHook hook); // empty: help requests do nothing
void showSheetHelp(QWidget* owner, HelpRef ref);
