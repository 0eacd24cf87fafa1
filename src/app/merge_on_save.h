// Save's third answer when the file changed on disk since it was opened: the user's changes
// since then are brought into the file as it is now, the result is shown for review with
// the records changed on both sides to choose in, and what the user accepts becomes the
// document (one undo step), for the save to write.
#pragma once

#include <string>

class CCfgDoc;
class DocumentHistory;
class QWidget;

// True when the document now holds the merged configuration; false when the file could
// not be read, changed again meanwhile, or the user cancelled: nothing is changed then.
bool mergeIntoChangedFile(CCfgDoc& doc, DocumentHistory& history, const std::string& path,
                          QWidget* owner);
