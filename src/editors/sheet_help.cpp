#include "sheet_help.h"

#include <utility>

namespace {

SheetHelpHook& hook() {
    static SheetHelpHook installed;
    return installed;
}

} // namespace

void setSheetHelpHook(SheetHelpHook h) {
    hook() = std::move(h);
}

void showSheetHelp(QWidget* owner, HelpRef ref) {
    if (ref.command != kHelpNone && hook())
        hook()(owner, ref.command, ref.data);
}
