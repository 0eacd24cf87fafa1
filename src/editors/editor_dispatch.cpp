#include "editor_dispatch.h"

#include "cpic_sheet.h"
#include "global_sheet.h"
#include "lux_sheet.h"
#include "midrange_sheet.h"
#include "server_sheet.h"
#include "tp_sheet.h"

#include <iterator>

namespace {

template <typename Sheet> int run(CCfgDoc& doc, const std::string& title, const std::string& name) {
    Sheet sheet(title);
    sheet.setOpenedOnRecord(!name.empty());
    return sheet.Run(doc, name);
}

using SheetRunner = int (*)(CCfgDoc&, const std::string&, const std::string&);

// In the order of SheetKind.
constexpr SheetRunner kSheets[] = {run<CPsUIPW>, run<CPsServ>, run<CPsCpic>,
                                   run<CPsTP>,   run<CPsLux>,  run<CPsNODEX>};
static_assert(std::size(kSheets) == static_cast<std::size_t>(SheetKind::Midrange) + 1,
              "a sheet for every SheetKind");

} // namespace

int runEditorSheet(CCfgDoc& doc, const RecordKind& kind, const std::string& title,
                   const std::string& name) {
    return kSheets[static_cast<std::size_t>(kind.sheet)](doc, title, name);
}
