#include "document_base.h"

#include "string_ids.h"
#include "tela_environment.h"

#include <fstream>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

// A hash of the file's bytes, chunk by chunk: quick enough to take at every open and save.
std::uint64_t hashFile(std::ifstream& in) {
    std::uint64_t hash = 14695981039346656037ull;
    std::vector<char> buffer(64 * 1024);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(in.gcount()));
        hash = (hash ^ std::hash<std::string_view>{}(chunk)) * 1099511628211ull;
    }
    return hash;
}

bool sameContent(const DiskState& a, const DiskState& b) {
    return a.exists == b.exists && a.size == b.size && a.hash == b.hash;
}

} // namespace

DiskState readDiskState(const std::string& path) {
    DiskState state;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return state;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return state;
    state.exists = true;
    state.size = static_cast<std::uint64_t>(st.st_size);
    state.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    state.hash = hashFile(in);
    return state;
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
    if (!ConfirmOverwrite(name))
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

void CDocument::RememberDiskState(const std::string& path) {
    m_diskPath = path;
    m_disk = readDiskState(path);
}

void CDocument::ForgetDiskState() {
    m_diskPath.clear();
    m_disk.reset();
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
