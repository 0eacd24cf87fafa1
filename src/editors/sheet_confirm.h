// The OK sequence of a sheet or a sheet's dialog: the page leaves (limit checks, the
// page's own rule), the window's checks, then the write of the record; a refused write is
// reported by its code through CCfgDoc::ReportError. True when the window may close.
#pragma once

#include "messages.h"

#include <functional>

class CCfgDoc;
class SheetPage;

bool confirmRecord(SheetPage* page, CCfgDoc* doc, const std::function<bool()>& checks,
                   const std::function<int(int& failureFlag, ErrorCode& errorCode)>& write);
