// The Browse button of a page: a file-open dialog for an existing file whose chosen path
// goes into one of the page's fields.
#pragma once

#include <QString>

#include <functional>

class QWidget;
class SheetPage;

// Asks for an existing file; returns the full path, or the empty text when cancelled.
using FileDialogHook =
    std::function<QString(QWidget* owner, const QString& title, const QString& filter)>;
void setFileDialogHook(FileDialogHook hook); // empty: the platform's file dialog

// Filters as the language library and the layouts write them, "(*.exe)|*.exe|(*.*)|*.*||"
// (a description and a pattern per entry), in Qt's form "(*.exe) (*.exe);;(*.*) (*.*)".
// A text without "|" is taken as Qt's form already.
QString qtFileFilter(const QString& filter);

// Runs the dialog for the page's field fieldId. When the user confirms: the path goes into
// the field, the page's members are refreshed from the controls (so a path over the
// field's limit brings the length message at once), and the focus moves to the field with
// its whole text selected. True when a path was chosen.
// BrowseFor::Program: the first filter entry also shows files this system may execute,
// whatever their name, since programs here rarely end in ".exe".
enum class BrowseFor { File, Program };
bool browseForPath(SheetPage& page, int fieldId, const QString& filter, int titleId,
                   BrowseFor kind = BrowseFor::File);
