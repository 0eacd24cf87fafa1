#include "sheet_confirm.h"

#include "cfg_doc.h"
#include "sheet_page.h"

bool confirmRecord(SheetPage* page, CCfgDoc* doc, const std::function<bool()>& checks,
                   const std::function<int(int& failureFlag, ErrorCode& errorCode)>& write) {
    if (page && !page->leave())
        return false;
    if (!checks())
        return false;
    int failureFlag = 0;
    ErrorCode errorCode = ErrorCode::None;
    if (!write(failureFlag, errorCode)) {
        if (doc)
            doc->ReportError(errorCode);
        return false;
    }
    return true;
}
