// A record that its kind's check refuses, shown in a sheet: the message as the sheet shows
// its messages, then the cursor on the field the refusal is about, its text selected.
#pragma once

#include "record_checks.h"

class QWidget;

// A record-check code shows as CCfgDoc::ReportError shows it (OK button, no icon); a rule
// of the sheet's own in the sheet's style.
void showRefusal(const RecordRefusal& refusal, int sheetStyle);

// Gives field the keyboard focus and selects its text (an edit field or an editable list).
void focusField(QWidget* field);
