#include "editor_dispatch.h"

#include "cpic_sheet.h"
#include "lux_sheet.h"
#include "option_kinds.h"
#include "server_sheet.h"

int runEditorSheet(CCfgDoc& doc, int kind, const std::string& title, const std::string& name) {
    switch (kind) {
    case kKindCpic: {
        CPsCpic sheet(title);
        return sheet.Run(doc, name);
    }
    case kKindAppc: {
        CPsServ sheet(title);
        return sheet.Run(doc, name);
    }
    case kKindLux: {
        CPsLux sheet(title);
        return sheet.Run(doc, name);
    }
    default:
        return 0;
    }
}
