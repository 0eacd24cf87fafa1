#include "editor_dispatch.h"

#include "cpic_sheet.h"
#include "global_sheet.h"
#include "midrange_sheet.h"
#include "option_kinds.h"
#include "tp_sheet.h"

int runEditorSheet(CCfgDoc& doc, int kind, const std::string& title, const std::string& name) {
    switch (kind) {
    case kKindCpic: {
        CPsCpic sheet(title);
        return sheet.Run(doc, name);
    }
    case kKindTp: {
        CPsTP sheet(title);
        return sheet.Run(doc, name);
    }
    case kKindGlobal: {
        CPsUIPW sheet(title);
        return sheet.Run(doc, name);
    }
    case kKindMidrange: {
        CPsNODEX sheet(title);
        return sheet.Run(doc, name);
    }
    default:
        return 0;
    }
}
