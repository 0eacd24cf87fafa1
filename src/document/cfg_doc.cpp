#include "cfg_doc.h"

#include "atomic_file.h"
#include "cfg_file.h"
#include "file_lock.h"
#include "installation.h"
#include "messages.h"
#include "old_form.h"
#include "option_kinds.h"
#include "save_content.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "tela_kit.h"

#include <sys/stat.h>
#include <unistd.h>

std::string pathWithoutExtension(const std::string& path) {
    std::size_t nameStart = path.rfind(kPathSeparator);
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return path;
    return path.substr(0, dot);
}

CCfgDoc::CCfgDoc() = default;
CCfgDoc::~CCfgDoc() = default;

bool CCfgDoc::IsModified() const {
    return m_modified;
}

void CCfgDoc::SetModifiedFlag(bool modified) {
    m_modified = modified;
}

bool CCfgDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    cfgClear(m_store);
    m_store.endOfInput = false;
    return true;
}

bool CCfgDoc::OnOpenDocument(const std::string& path) {
    cfgClear(m_store);
    SetModifiedFlag(false);
    if (LoadConfiguration(path)) {
        RememberDiskState(path, m_read);
        SetUnreadText(m_unreadText.line, m_unreadText ? TelaEnvironment::GetUserString(
                                                            unreadCauseTextId(m_unreadText.cause))
                                                      : std::string());
        return true;
    }
    ReportError(ErrorCode::Store);
    // Whatever a failed conversion left in the store is not the file: the document is
    // empty after any failed open.
    cfgClear(m_store);
    ForgetDiskState();
    return false;
}

bool CCfgDoc::OnSaveDocument(const std::string& path) {
    addSaveDefaults(m_store);
    if (!m_store.empty()) {
        // The store is freed after the write and the file read back: a value the file
        // cannot carry would be lost, so such a store is not written at all.
        CfgUnwritable where;
        if (cfgFindUnwritable(m_store, where)) {
            AppMessageBox(
                formatMessage(TelaEnvironment::GetUserString(ids::kMsgUnwritableValue),
                              {where.key.empty() ? where.section : where.key, where.section}),
                kMbIconStop);
            return false;
        }
        FileError error;
        if (cfgWriteFile(m_store, path, &error) != 0) {
            FileProblem(error, true);
            return false;
        }
        SetModifiedFlag(false);
        cfgClear(m_store);
    }
    // Read back at once, so that the store is always what the file on disk reads as.
    m_readBackFailed = !OnOpenDocument(path);
    return !m_readBackFailed;
}

void CCfgDoc::OnCloseDocument() {
    cfgClear(m_store);
    CDocument::OnCloseDocument();
}

bool CCfgDoc::DoSave(const std::string& path, bool replace) {
    // Copies: the caller may pass the document's own name, which changes below.
    const std::string requested = path;
    const std::string kept = GetPathName();
    if (kept.empty()) {
        std::string directory;
        getConfigDirectory(directory);
        // The file dialog starts in the current directory; a folder that does not exist
        // leaves it where it was.
        if (!directory.empty()) {
            [[maybe_unused]] int ignored = ::chdir(directory.c_str());
        }
        const char* name =
            QueryClientType() == kClientTypeAlternate ? kAlternateFileName : kDefaultFileName;
        SetPathName(directory + kPathSeparator + name);
    }
    m_readBackFailed = false;
    bool saved = CDocument::DoSave(requested, replace);
    // A save whose read-back failed has left the document empty, as a failed open does;
    // under its old name a later save would put that empty document over the file.
    if (!saved)
        SetPathName(m_readBackFailed ? std::string() : kept);
    return saved;
}

bool CCfgDoc::LoadConfiguration(const std::string& path) {
    // Opening may convert and write: from the read to the last write it is one writer's turn.
    FileLock lock;
    FileError error;
    if (!m_dryRun && !lock.acquire(path, error)) {
        FileProblem(error, false);
        return false;
    }
    if (!ReadFile(path))
        return false;
    return !storeHasOldForm(m_store) || ConvertOldForm(path);
}

// The file is read once: what is parsed is what the changed-on-disk check remembers.
bool CCfgDoc::ReadFile(const std::string& path) {
    m_derived.clear();
    m_unreadText = {};
    std::string bytes;
    FileError error;
    if (!readRegularFile(path, bytes, error, &m_opened)) {
        FileProblem(error, false);
        return false;
    }
    CfgReadResult read;
    if (cfgReadBuffer(m_store, bytes.data(), bytes.size(), &read) != 0) {
        ReportError(ErrorCode::Store);
        return false;
    }
    m_read = diskStateOf(bytes, m_opened);
    m_unreadText = read.unread;
    if (m_unreadText) {
        const std::string why =
            TelaEnvironment::GetUserString(unreadCauseTextId(m_unreadText.cause));
        AppMessageBox(formatMessage(TelaEnvironment::GetUserString(ids::kMsgUnreadOnOpen),
                                    {path, std::to_string(m_unreadText.line), why}),
                      kMbExclamation);
    }
    return true;
}

bool CCfgDoc::WriteDerived(const std::string& path, const std::string& opened) {
    if (path == opened) { // an .ini file is converted in place
        if (m_dryRun)
            return true;
        // What is on disk now is what was written: the changed-on-disk check starts there.
        const std::string bytes = cfgWriteBuffer(m_store);
        AtomicFile file(path);
        if (!file.open() || !file.write(bytes.data(), bytes.size()) || !file.commit()) {
            FileProblem(file.error(), false);
            return false;
        }
        ::stat(path.c_str(), &m_opened);
        m_read = diskStateOf(bytes, m_opened);
        return true;
    }
    struct stat st {};
    const bool existed = ::lstat(path.c_str(), &st) == 0;
    m_derived.push_back({path, existed});
    if (m_dryRun)
        return true;
    if (existed && !(prompts().replaceExisting && prompts().replaceExisting(path))) {
        FileError error;
        error.fault = FileFault::Exists;
        error.path = path;
        FileProblem(error, false);
        return false;
    }
    AtomicFile file(path, WriteTarget::Derived);
    file.takeOwnershipFrom(m_opened);
    if (cfgWriteTo(m_store, file) != 0) {
        FileProblem(file.error(), false);
        return false;
    }
    return true;
}

bool CCfgDoc::ConvertOldForm(const std::string& path) {
    const std::string base = pathWithoutExtension(path);
    if (!WriteDerived(base + kBackupSuffix, path))
        return false;
    int failureFlag = 0;
    ErrorCode errorCode = ErrorCode::None;
    if (!convertOldForm(m_store, failureFlag, errorCode)) {
        ReportError(errorCode);
        return false;
    }
    return WriteDerived(base + kConfigExtension, path);
}

void CCfgDoc::ReportFileProblem(const FileError& error, bool saving) {
    const int id = saving ? ids::kMsgSaveFailed : ids::kMsgOpenFailed;
    AppMessageBox(formatMessage(TelaEnvironment::GetUserString(id), {fileErrorText(error)}),
                  kMbIconStop);
}

void CCfgDoc::ReportError(ErrorCode code) {
    showErrorMessage(code);
}

int CCfgDoc::ListOptionRecords(int kind, std::vector<std::string>& list, bool pastNameless) {
    const RecordKind* k = findOptionKind(kind);
    if (!k)
        return 0;
    // Past a nameless section: every named record, as the problems panel lists them.
    if (pastNameless && !k->nameKey.empty())
        return listNamedRecords(m_store, *k->family, list) ? 1 : 0;
    return k->list(m_store, list);
}

int CCfgDoc::EditOptionRecord(int kind, const std::string& name) {
    const RecordKind* k = findOptionKind(kind);
    const EditorRunner& run = editorRunner();
    if (!k || !run)
        return 0;
    const std::uint64_t before = m_store.changeCount();
    int result = run(*this, *k, TelaEnvironment::GetUserString(k->texts.sheetTitleId), name);
    // A sheet may write before its OK (the midrange systems are stored as they are added),
    // so a sheet that ended otherwise can still have changed the configuration; one closed
    // with OK that stored nothing has not.
    if (m_store.changeCount() != before)
        SetModifiedFlag(true);
    return result;
}

int CCfgDoc::DeleteOptionRecord(int kind, const std::string& name) {
    const RecordKind* k = findOptionKind(kind);
    const int result = k ? k->remove(m_store, name) : 0;
    if (result != 0)
        SetModifiedFlag(true);
    return result;
}

RenameResult CCfgDoc::RenameRecord(RecordFamily family, int occurrence, const std::string& newName,
                                   RecordRefusal& refusal) {
    const std::uint64_t before = m_store.changeCount();
    const RenameResult result = renameRecord(m_store, family, occurrence, newName, refusal);
    if (m_store.changeCount() != before)
        SetModifiedFlag(true);
    return result;
}

int CCfgDoc::DeleteRecordSection(RecordFamily family, int occurrence) {
    if (!deleteRecordSection(m_store, family, occurrence))
        return 0;
    SetModifiedFlag(true);
    return 1;
}
