#include "file_steps.h"

#include "cfg_doc.h"
#include "cfg_file.h"
#include "command_line.h"
#include "messages.h"
#include "password_mask.h"
#include "record_changes_text.h"
#include "save_content.h"
#include "tela_environment.h"
#include "tool_messages.h"
#include "unified_diff.h"
#include "unread_text.h"

#include <cerrno>
#include <optional>
#include <ostream>
#include <sys/stat.h>

namespace {

// Nothing there to open: a link that leads nowhere is created through (and refused by the
// save), while a link loop or a folder that cannot be searched is opened and named.
bool missing(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
}

void printWhere(const std::string& path, const CfgReadResult& detail, std::ostream& err) {
    if (detail.result == 1) {
        err << fileErrorText(detail.file) << '\n';
    } else if (detail.result == 2) {
        err << path;
        if (detail.line > 0)
            err << ": line " << detail.line;
        err << ": " << cfgParseErrorText(detail.error) << '\n';
    }
}

// A save of this store would be refused: the tool says where the value is.
bool refuseUnwritable(const CfgStore& store, const std::string& path, std::ostream& err) {
    CfgUnwritable where;
    if (!cfgFindUnwritable(store, where))
        return false;
    printError(err, ErrorCode::Store);
    err << path << ": not saved: [" << where.section << "] #" << where.occurrence
        << (where.key.empty() ? "" : " " + where.key) << ": " << where.reason << '\n';
    return true;
}

// What the document could not do with a file while opening: the lock, or a file that a
// conversion writes, is a failure to save; the opened file itself one to read.
int openFailure(const FileError& error, const std::string& path, std::ostream& err) {
    err << fileErrorText(error) << '\n';
    if (error.fault == FileFault::Held || error.path != path)
        return kExitNotSaved;
    return kExitUnreadable;
}

std::string unreadWhere(const std::string& path, const UnreadText& unread) {
    return path + ": line " + std::to_string(unread.line) + ": " +
           TelaEnvironment::GetUserString(unreadCauseTextId(unread.cause));
}

// --check: the files besides FILE that the change writes, each named.
void printDerived(const CCfgDoc& doc, std::ostream& out) {
    for (const CCfgDoc::DerivedFile& file : doc.derivedFiles())
        out << file.path
            << (file.existed ? ": would be replaced (it exists: only with --force)\n"
                             : ": would be written\n");
}

} // namespace

void printReadProblem(const std::string& path, std::ostream& err) {
    CfgStore scratch;
    CfgReadResult detail;
    cfgReadFile(scratch, path, &detail);
    printWhere(path, detail, err);
}

int readConfiguration(CfgStore& store, const std::string& path, std::ostream& err,
                      UnreadText* unread, std::string* bytesRead) {
    cfgClear(store);
    CfgReadResult detail;
    std::string scratch;
    std::string& bytes = bytesRead ? *bytesRead : scratch;
    if (!readRegularFile(path, bytes, detail.file)) {
        detail.result = 1;
    } else if (cfgReadBuffer(store, bytes.data(), bytes.size(), &detail) == 0) {
        if (unread)
            *unread = detail.unread;
        return kExitOk;
    }
    printError(err, ErrorCode::Store);
    printWhere(path, detail, err);
    return kExitUnreadable;
}

void reportUnread(const std::string& file, const UnreadText& unread, bool json, Json& all,
                  std::ostream& out) {
    if (!unread)
        return;
    const std::string why = TelaEnvironment::GetUserString(unreadCauseTextId(unread.cause)) +
                            "; a save leaves out what follows";
    if (!json) {
        out << file << ": line " << unread.line << ": warning: " << why << '\n';
        return;
    }
    all.push_back({{"file", file},
                   {"kind", "file"},
                   {"name", ""},
                   {"line", unread.line},
                   {"code", 0},
                   {"message", why},
                   {"severity", "warning"}});
}

int openDocument(CCfgDoc& doc, const std::string& path, bool createMissing, bool force,
                 std::ostream& err) {
    // Nobody is there to ask: a save goes under the name it is given, unsaved changes are
    // the tool's own to save, a file changed by someone else is never overwritten, and
    // what would be lost otherwise is given up only with --force.
    DocumentPrompts prompts;
    prompts.fileName = [](const std::string& proposed) { return std::optional(proposed); };
    prompts.saveChanges = [](const std::string&) { return SaveChangesAnswer::Discard; };
    prompts.overwriteChanged = [](const std::string&, const DiskState&, const DiskState&) {
        return ChangedFileAnswer::Keep;
    };
    prompts.saveUnreadText = [force](const std::string&, long, const std::string&) {
        return force;
    };
    prompts.replaceExisting = [force](const std::string&) { return force; };
    doc.SetPrompts(prompts);
    if (createMissing && missing(path)) {
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
    if (doc.lastFileError())
        return openFailure(doc.lastFileError(), path, err);
    CfgStore scratch;
    CfgReadResult detail;
    cfgReadFile(scratch, path, &detail);
    if (detail.result != 0) {
        printWhere(path, detail, err);
        return kExitUnreadable;
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
    if (changedOnDisk) {
        err << path << ": not saved: the file changed on disk since it was opened\n";
        return kExitNotSaved;
    }
    if (doc.lastFileError()) {
        err << fileErrorText(doc.lastFileError()) << '\n';
        return kExitNotSaved;
    }
    if (!capture.empty())
        printReadProblem(path, err);
    return kExitNotSaved;
}

int openForChange(CCfgDoc& doc, const Invocation& inv, bool createMissing, FileBefore& before,
                  std::ostream& err) {
    const std::string& path = inv.files.front();
    setLockWaitSeconds(inv.lockWait);
    // Held from before the file is read to the end of the save: a read-modify-write.
    FileError error;
    if (!inv.check && !before.lock.acquire(path, error)) {
        printError(err, ErrorCode::Store);
        return openFailure(error, path, err);
    }
    // Read before the open: a conversion of older entries rewrites the file as it opens.
    struct stat info {};
    before.existed = readRegularFile(path, before.bytes, error, &info);
    if (const UnreadText unread = findUnreadText(before.bytes.data(), before.bytes.size());
        unread && !inv.force) {
        err << unreadWhere(path, unread) << '\n'
            << path << ": not saved: a save would leave out what the reader does not take "
            << "(--force saves what was read)\n";
        return kExitUnreadable;
    }
    doc.SetDryRun(inv.check);
    return openDocument(doc, path, createMissing, inv.force, err);
}

int finishChange(CCfgDoc& doc, const Invocation& inv, const FileBefore& before, std::ostream& out,
                 std::ostream& err) {
    const std::string path = doc.GetPathName();
    if (refuseUnwritable(doc.store(), path, err))
        return kExitFailed;
    const std::string after = savedBytes(doc.store());
    if (inv.diff || inv.check) {
        const auto shown = [&inv](const std::string& bytes) {
            return inv.showPasswords ? bytes : maskPasswords(bytes);
        };
        printRecordSummary(out, before.bytes, after);
        out << unifiedDiff(shown(before.bytes), shown(after), before.existed ? path : "/dev/null",
                           path);
    }
    const bool same = before.existed && before.bytes == after;
    if (inv.check) {
        printDerived(doc, out);
        for (const CCfgDoc::DerivedFile& file : doc.derivedFiles())
            if (file.existed && !inv.force)
                return kExitNotSaved;
        return same ? kExitOk : kExitWouldChange;
    }
    if (same) {
        out << path << ": unchanged\n";
        return kExitOk;
    }
    return saveDocument(doc, err);
}
