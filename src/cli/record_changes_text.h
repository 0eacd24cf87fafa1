// The record-level difference as the tool prints it: one line per changed field, added,
// removed or moved record ("cpic PAYROLL: MODE "#INTER" -> "#BATCH""), or as JSON.
#pragma once

#include "json_text.h"
#include "record_diff.h"

#include <iosfwd>
#include <string>
#include <vector>

void printRecordChanges(std::ostream& out, const std::vector<RecordChange>& changes);
Json recordChangesJson(const std::vector<RecordChange>& changes);

// The summary put, delete and save print above the line difference with --diff and
// --check: the records that differ between the file's bytes before and after. Bytes the
// reader cannot take (a malformed file before) leave nothing to compare by record.
void printRecordSummary(std::ostream& out, const std::string& before, const std::string& after);
