#include "document_base.h"

#include "file_lock.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <functional>
#include <string_view>

namespace {

bool sameContent(const DiskState& a, const DiskState& b) {
    return a.exists == b.exists && a.size == b.size && a.hash == b.hash;
}

} // namespace

DiskState diskStateOf(const std::string& bytes, const struct stat& info) {
    DiskState state;
    state.exists = true;
    state.size = bytes.size();
    state.mtimeNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.hash = std::hash<std::string_view>{}(bytes);
    return state;
}

DiskState readDiskState(const std::string& path) {
    std::string bytes;
    FileError ignored;
    struct stat info {};
    if (!readRegularFile(path, bytes, ignored, &info))
        return {};
    return diskStateOf(bytes, info);
}

std::string CDocument::GetTitle() const {
    if (m_pathName.empty()) {
        // A document never saved has the language library's name for it.
        std::string untitled = TelaEnvironment::GetUserString(ids::kUntitled);
        return untitled.empty() ? "Untitled" : untitled;
    }
    std::size_t slash = m_pathName.find_last_of("/\\");
    return slash == std::string::npos ? m_pathName : m_pathName.substr(slash + 1);
}

bool CDocument::IsModified() const {
    return m_modified;
}

void CDocument::SetModifiedFlag(bool modified) {
    m_modified = modified;
}

bool CDocument::OnNewDocument() {
    m_pathName.clear();
    m_modified = false;
    ForgetDiskState();
    return true;
}

void CDocument::OnCloseDocument() {
    m_pathName.clear();
    m_modified = false;
    ForgetDiskState();
}

bool CDocument::DoSave(const std::string& path, bool replace) {
    std::string name = path;
    if (name.empty()) {
        std::string proposed = m_pathName.empty() ? GetTitle() : m_pathName;
        if (m_prompts.fileName) {
            std::optional<std::string> chosen = m_prompts.fileName(proposed);
            if (!chosen || chosen->empty())
                return false;
            name = *chosen;
        } else {
            name = proposed;
        }
    }
    // One writer at a time, from the look at the file on disk to the file read back.
    FileLock lock;
    FileError error;
    if (!lock.acquire(name, error)) {
        FileProblem(error, true);
        return false;
    }
    return SaveLocked(name, replace);
}

bool CDocument::SaveLocked(const std::string& name, bool replace) {
    if (!ConfirmOverwrite(name) || !ConfirmUnreadText(name))
        return false;
    // A copy saved elsewhere must not make the document forget its own file.
    std::optional<DiskState> keptDisk = m_disk;
    std::string keptDiskPath = m_diskPath;
    if (!OnSaveDocument(name))
        return false;
    if (replace) {
        m_pathName = name;
    } else {
        m_disk = keptDisk;
        m_diskPath = keptDiskPath;
    }
    return true;
}

bool CDocument::NewDocument() {
    if (!SaveModified())
        return false;
    return OnNewDocument();
}

bool CDocument::OpenDocument(const std::string& path) {
    if (!SaveModified())
        return false;
    if (OnOpenDocument(path)) {
        m_pathName = path;
        return true;
    }
    // The failed open has emptied the document; it must not keep the old name, or a
    // save would write the empty document over that file.
    OnNewDocument();
    return false;
}

bool CDocument::DoFileSave() {
    // A copy: DoSave may give the document a name, which must not change what it was asked.
    const std::string path = m_pathName;
    return DoSave(path, true);
}

bool CDocument::DoFileSaveAs() {
    return DoSave(std::string(), true);
}

bool CDocument::CloseDocument() {
    if (!SaveModified())
        return false;
    OnCloseDocument();
    return true;
}

bool CDocument::SaveModified() {
    if (!IsModified())
        return true;
    SaveChangesAnswer answer =
        m_prompts.saveChanges ? m_prompts.saveChanges(GetTitle()) : SaveChangesAnswer::Discard;
    switch (answer) {
    case SaveChangesAnswer::Save:
        return DoFileSave();
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void CDocument::RememberDiskState(const std::string& path, const DiskState& state) {
    m_diskPath = path;
    m_disk = state;
}

void CDocument::ForgetDiskState() {
    m_diskPath.clear();
    m_disk.reset();
    m_unreadLine = 0;
}

void CDocument::FileProblem(const FileError& error, bool saving) {
    m_fileError = error;
    ReportFileProblem(error, saving);
}

bool CDocument::ConfirmUnreadText(const std::string& path) {
    if (m_unreadLine == 0 || path != m_diskPath)
        return true;
    return m_prompts.saveUnreadText && m_prompts.saveUnreadText(path, m_unreadLine, m_unreadWhy);
}

bool CDocument::ConfirmOverwrite(const std::string& path) {
    if (!m_disk || path != m_diskPath)
        return true;
    DiskState now = readDiskState(path);
    // A file that is gone has nothing left to lose; a touched but unchanged one neither.
    if (!now.exists || sameContent(*m_disk, now))
        return true;
    return m_prompts.overwriteChanged &&
           m_prompts.overwriteChanged(path, *m_disk, now) != ChangedFileAnswer::Keep;
}
