#include "file_steps.h"

#include "cfg_doc.h"
#include "cfg_file.h"
#include "command_line.h"
#include "messages.h"
#include "record_changes_text.h"
#include "save_content.h"
#include "tool_messages.h"
#include "unified_diff.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sys/stat.h>

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void printWhere(const std::string& path, const CfgReadResult& detail, std::ostream& err) {
    if (detail.result == 1) {
        err << path << (exists(path) ? ": cannot be opened for reading\n" : ": no such file\n");
    } else if (detail.result == 2) {
        err << path;
        if (detail.line > 0)
            err << ": line " << detail.line;
        err << ": " << cfgParseErrorText(detail.error) << '\n';
    }
}

// The file's bytes; false when it cannot be read (a file that does not exist yet).
bool readBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// A save of this store would be refused: the tool says where the value is.
bool refuseUnwritable(const CfgStore& store, const std::string& path, std::ostream& err) {
    CfgUnwritable where;
    if (!cfgFindUnwritable(store, where))
        return false;
    printError(err, kErrStore);
    err << path << ": not saved: [" << where.section << "] #" << where.occurrence
        << (where.key.empty() ? "" : " " + where.key) << ": " << where.reason << '\n';
    return true;
}

// Missing, unopenable or malformed: FILE cannot be read, whatever the reason.
int exitCodeFor(const CfgReadResult&) {
    return kExitUnreadable;
}

} // namespace

void printReadProblem(const std::string& path, std::ostream& err) {
    CfgStore scratch;
    CfgReadResult detail;
    cfgReadFile(scratch, path, &detail);
    printWhere(path, detail, err);
}

int readConfiguration(CfgStore& store, const std::string& path, std::ostream& err) {
    cfgClear(store);
    CfgReadResult detail;
    if (cfgReadFile(store, path, &detail) == 0)
        return kExitOk;
    printError(err, kErrStore);
    printWhere(path, detail, err);
    return exitCodeFor(detail);
}

int openDocument(CCfgDoc& doc, const std::string& path, bool createMissing, std::ostream& err) {
    // Nobody is there to ask: a save goes under the name it is given, unsaved changes are
    // the tool's own to save, and a file changed by someone else is never overwritten.
    DocumentPrompts prompts;
    prompts.fileName = [](const std::string& proposed) { return std::optional(proposed); };
    prompts.saveChanges = [](const std::string&) { return SaveChangesAnswer::Discard; };
    prompts.overwriteChanged = [](const std::string&, const DiskState&, const DiskState&) {
        return ChangedFileAnswer::Keep;
    };
    doc.SetPrompts(prompts);
    if (createMissing && !exists(path)) {
        doc.OnNewDocument();
        // A document with a name is saved under it; one without would be proposed the
        // default file in the configuration directory.
        doc.SetPathName(path);
        return kExitOk;
    }
    MessageCapture capture;
    if (doc.OpenDocument(path))
        return kExitOk;
    capture.printFirst(err);
    CfgStore scratch;
    CfgReadResult detail;
    cfgReadFile(scratch, path, &detail);
    if (detail.result != 0) {
        printWhere(path, detail, err);
        return exitCodeFor(detail);
    }
    err << path << ": entries of the older form could not be converted\n";
    return kExitFailed;
}

int saveDocument(CCfgDoc& doc, std::ostream& err) {
    const std::string path = doc.GetPathName();
    // The document refuses such a store too; the tool says where the value is.
    if (refuseUnwritable(doc.store(), path, err))
        return kExitFailed;
    bool changedOnDisk = false;
    DocumentPrompts prompts = doc.prompts();
    prompts.overwriteChanged = [&changedOnDisk](const std::string&, const DiskState&,
                                                const DiskState&) {
        changedOnDisk = true;
        return ChangedFileAnswer::Keep;
    };
    doc.SetPrompts(prompts);
    MessageCapture capture;
    if (doc.DoFileSave())
        return kExitOk;
    capture.printFirst(err);
    if (changedOnDisk)
        err << path << ": not saved: the file changed on disk since it was opened\n";
    else if (!capture.texts().empty())
        printReadProblem(path, err);
    return kExitNotSaved;
}

int openForChange(CCfgDoc& doc, const Invocation& inv, bool createMissing, FileBefore& before,
                  std::ostream& err) {
    // Read before the open: a conversion of older entries rewrites the file as it opens.
    before.existed = readBytes(inv.files.front(), before.bytes);
    doc.SetDryRun(inv.check);
    return openDocument(doc, inv.files.front(), createMissing, err);
}

int finishChange(CCfgDoc& doc, const Invocation& inv, const FileBefore& before, std::ostream& out,
                 std::ostream& err) {
    const std::string path = doc.GetPathName();
    if (refuseUnwritable(doc.store(), path, err))
        return kExitFailed;
    const std::string after = savedBytes(doc.store());
    if (inv.diff || inv.check)
        printRecordSummary(out, before.bytes, after);
    if (inv.diff || inv.check)
        out << unifiedDiff(before.bytes, after, before.existed ? path : "/dev/null", path);
    const bool same = before.existed && before.bytes == after;
    if (inv.check)
        return same ? kExitOk : kExitWouldChange;
    if (same) {
        out << path << ": unchanged\n";
        return kExitOk;
    }
    return saveDocument(doc, err);
}
