#include "editor_dispatch.h"

#include "cpic_sheet.h"
#include "global_sheet.h"
#include "lux_sheet.h"
#include "midrange_sheet.h"
#include "option_kinds.h"
#include "server_sheet.h"
#include "tp_sheet.h"

namespace {

template <typename Sheet> int run(CCfgDoc& doc, const std::string& title, const std::string& name) {
    Sheet sheet(title);
    sheet.setOpenedOnRecord(!name.empty());
    return sheet.Run(doc, name);
}

} // namespace

int runEditorSheet(CCfgDoc& doc, int kind, const std::string& title, const std::string& name) {
    switch (kind) {
    case kKindGlobal:
        return run<CPsUIPW>(doc, title, name);
    case kKindAppc:
        return run<CPsServ>(doc, title, name);
    case kKindCpic:
        return run<CPsCpic>(doc, title, name);
    case kKindTp:
        return run<CPsTP>(doc, title, name);
    case kKindLux:
        return run<CPsLux>(doc, title, name);
    case kKindMidrange:
        return run<CPsNODEX>(doc, title, name);
    default:
        return 0;
    }
}
