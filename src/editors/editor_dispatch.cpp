#include "editor_dispatch.h"

#include "cpic_sheet.h"
#include "global_sheet.h"
#include "lux_sheet.h"
#include "midrange_sheet.h"
#include "server_sheet.h"
#include "tp_sheet.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Sheet> int run(CCfgDoc& doc, const std::string& title, const std::string& name) {
    Sheet sheet(title);
    sheet.setOpenedOnRecord(!name.empty());
    return sheet.Run(doc, name);
}

using SheetRunner = int (*)(CCfgDoc&, const std::string&, const std::string&);

struct SheetEntry {
    SheetKind kind;
    SheetRunner run;
};
// Searched by kind, so that their order does not matter; the sheet test opens each
// option's sheet.
constexpr SheetEntry kSheets[] = {
    {SheetKind::Global, run<CPsUIPW>}, {SheetKind::Servers, run<CPsServ>},
    {SheetKind::Cpic, run<CPsCpic>},   {SheetKind::Tp, run<CPsTP>},
    {SheetKind::Lux, run<CPsLux>},     {SheetKind::Midrange, run<CPsNODEX>},
};

// A kind whose sheet has no entry would open nothing; caught here, not at run time.
constexpr bool everySheetKindHasASheet() {
    for (int k = 0; k <= static_cast<int>(SheetKind::Midrange); ++k)
        if (std::ranges::none_of(
                kSheets, [k](const SheetEntry& e) { return static_cast<int>(e.kind) == k; }))
            return false;
    return true;
}
static_assert(everySheetKindHasASheet(), "each sheet kind needs its entry in kSheets");

} // namespace

int runEditorSheet(CCfgDoc& doc, const RecordKind& kind, const std::string& title,
                   const std::string& name) {
    for (const SheetEntry& e : kSheets)
        if (e.kind == kind.sheet)
            return e.run(doc, title, name);
    return 0;
}
