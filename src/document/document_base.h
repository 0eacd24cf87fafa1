// Our small stand-in for the framework's document: a path name, a modified flag, and the
// steps of new, open, save, save-as and close. Whatever needs a person (a file name, "save
// changes?", "overwrite a file changed on disk?") is asked through DocumentPrompts, which the
// editor fills with dialogs and the command-line tool answers itself.
#pragma once

#include "file_access.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

enum class SaveChangesAnswer { Save, Discard, Cancel };
// A file changed on disk since it was opened or saved: write over it, write the document
// after the prompt merged its changes into the file as it is now, or leave the file alone.
enum class ChangedFileAnswer { Overwrite, Merge, Keep };

// What the document knew of its file when it was opened or last saved.
struct DiskState {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0; // modification time, nanoseconds since the epoch
    std::uint64_t hash = 0;   // over the file's bytes
};
// The state of a file from the bytes that were read of it and what fstat said then.
DiskState diskStateOf(const std::string& bytes, const struct stat& info);
// The file as it is now; exists is false when it cannot be read as a regular file.
DiskState readDiskState(const std::string& path);

struct DocumentPrompts {
    // Which file name to save under, proposing one; nullopt cancels the save.
    // Without a hook the proposed name is used.
    std::function<std::optional<std::string>(const std::string& proposed)> fileName;
    // The document (by its title) has unsaved changes: save, discard or cancel?
    // Without a hook the changes are discarded: a program without a person saves
    // explicitly before it closes.
    std::function<SaveChangesAnswer(const std::string& title)> saveChanges;
    // The file changed on disk since it was opened or saved: overwrite it, merge, or keep
    // it? Merge means that the store now holds the merged configuration, to be written.
    // Without a hook it is never overwritten.
    std::function<ChangedFileAnswer(const std::string& path, const DiskState& then,
                                    const DiskState& now)>
        overwriteChanged;
    // The file holds text that its reader does not take, from line on for the reason why,
    // which a save over it leaves out: save anyway? Without a hook it is not saved.
    std::function<bool(const std::string& path, long line, const std::string& why)> saveUnreadText;
    // Converting entries of the older form writes path, which exists already and is not the
    // file being opened: replace it? Without a hook it is not replaced.
    std::function<bool(const std::string& path)> replaceExisting;
};

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path) { m_pathName = path; }
    // The file name without its folders, or "Untitled" for a document never saved.
    std::string GetTitle() const;

    void SetPrompts(DocumentPrompts prompts) { m_prompts = std::move(prompts); }
    const DocumentPrompts& prompts() const { return m_prompts; }

    virtual bool IsModified() const;
    virtual void SetModifiedFlag(bool modified = true);
    // The framework's own steps; a derived document runs them from its overrides.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path) = 0;
    virtual bool OnSaveDocument(const std::string& path) = 0;
    virtual void OnCloseDocument();
    // Saves under path, or asks for a name when path is empty; with replace the document
    // takes the new name. False when the save failed or was cancelled.
    virtual bool DoSave(const std::string& path, bool replace = true);

    // The File menu's commands, with the questions they ask.
    bool NewDocument();
    bool OpenDocument(const std::string& path);
    bool DoFileSave();
    bool DoFileSaveAs();
    bool CloseDocument();
    // Asks whether to save unsaved changes; false when the user cancelled (or the save
    // failed), so that the caller stops what it was doing.
    bool SaveModified();

    // The last failure to read, lock or write a file, with its path and reason.
    const FileError& lastFileError() const { return m_fileError; }

protected:
    // Called by a derived document once its file has been read, with the state of the
    // bytes it parsed: the base of the changed-on-disk check.
    void RememberDiskState(const std::string& path, const DiskState& state);
    void ForgetDiskState();
    // Where the file just read holds text its reader does not take (the line and why), or
    // line 0: a save over that file asks first.
    void SetUnreadText(long line, std::string why) {
        m_unreadLine = line;
        m_unreadWhy = std::move(why);
    }
    // A file could not be read, locked or written while saving or else opening: keeps the
    // failure and tells the user.
    void FileProblem(const FileError& error, bool saving);
    virtual void ReportFileProblem(const FileError& /*error*/, bool /*saving*/) {}

    bool m_modified = false;

private:
    // True when path may be written: it is not the remembered file, or that file has not
    // changed since, or the prompt allowed overwriting it.
    bool ConfirmOverwrite(const std::string& path);
    // True when path may be written although the text the reader left out would be lost.
    bool ConfirmUnreadText(const std::string& path);
    bool SaveLocked(const std::string& name, bool replace);

    std::string m_pathName;
    std::string m_diskPath;
    std::optional<DiskState> m_disk;
    DocumentPrompts m_prompts;
    long m_unreadLine = 0;
    std::string m_unreadWhy;
    FileError m_fileError;
};
