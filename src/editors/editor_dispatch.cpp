#include "editor_dispatch.h"

#include "cpic_sheet.h"
#include "option_kinds.h"

int runEditorSheet(CCfgDoc& doc, int kind, const std::string& title, const std::string& name) {
    switch (kind) {
    case kKindCpic: {
        CPsCpic sheet(title);
        return sheet.Run(doc, name);
    }
    default:
        return 0;
    }
}
