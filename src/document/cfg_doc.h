// The program's one document: the open configuration file, held in the one store.
// It carries no GUI: the questions that need a person (which file name, save changes,
// overwrite a file changed on disk) go through hooks that the editor supplies and the
// command-line tool answers itself.
#pragma once

#include "cfg_store.h"
#include "document_base.h"
#include "messages.h"
#include "record_rename.h"
#include "record_types.h"
#include "unread_text.h"

#include <string>
#include <vector>

// Suffix of the copy kept before entries of the older form are converted, and of the
// file the converted configuration goes to.
inline constexpr const char* kBackupSuffix = ".001";
inline constexpr const char* kConfigExtension = ".ini";
inline constexpr const char* kDefaultFileName = "lhntapi.ini";
inline constexpr const char* kAlternateFileName = "zaredavi.ini"; // client type 2

// The path without the extension of its file name: what the backup and the converted
// file are named from. Dots in folder names are not extensions.
std::string pathWithoutExtension(const std::string& path);

class CCfgDoc : public CDocument {
public:
    CCfgDoc();
    ~CCfgDoc() override;

    CfgStore& store() { return m_store; }
    const CfgStore& store() const { return m_store; }

    bool IsModified() const override;
    void SetModifiedFlag(bool modified = true) override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void OnCloseDocument() override;
    // Proposes the default file in the configuration directory for a document that has no
    // name yet, then saves; a failed or cancelled save keeps the old name.
    bool DoSave(const std::string& path, bool replace = true) override;

    // A dry run converts entries of the older form on open in the store only: no backup
    // and no converted file are written. For looking at what a change would do.
    void SetDryRun(bool dryRun) { m_dryRun = dryRun; }

    // A file that converting entries of the older form wrote, or would write in a dry run.
    struct DerivedFile {
        std::string path;
        bool existed = false; // it replaced a file, or would
    };
    // The files the last open wrote besides the opened one (the backup first).
    const std::vector<DerivedFile>& derivedFiles() const { return m_derived; }

    // Reads the file and converts entries of the older form; false after it reported why.
    bool LoadConfiguration(const std::string& path);
    // Shows the message of an error code.
    void ReportError(ErrorCode code);

    // Option dispatch: the main window and the tool reach the records only through these.
    // pastNameless: a section without its name key is passed over instead of ending the list.
    int ListOptionRecords(int kind, std::vector<std::string>& list, bool pastNameless = false);
    // Non-zero when the sheet was confirmed and its record stored. The modified flag is set
    // then, and also whenever the sheet changed the store however it ended.
    int EditOptionRecord(int kind, const std::string& name);
    int DeleteOptionRecord(int kind, const std::string& name);

    // Records with a name of their own, by their family and section occurrence: renamed in
    // place, or (a section without its name key) removed. Both set the modified flag when
    // they changed the store.
    RenameResult RenameRecord(RecordFamily family, int occurrence, const std::string& newName,
                              RecordRefusal& refusal);
    int DeleteRecordSection(RecordFamily family, int occurrence);

protected:
    void ReportFileProblem(const FileError& error, bool saving) override;

private:
    bool ReadFile(const std::string& path);
    // Writes the store to a file made from the opened one, asking before it replaces one.
    bool WriteDerived(const std::string& path, const std::string& opened);
    // Keeps a copy of the file, converts the older form and writes the converted file.
    bool ConvertOldForm(const std::string& path);

    CfgStore m_store;
    bool m_readBackFailed = false; // the last save wrote the file but could not read it back
    bool m_dryRun = false;
    struct stat m_opened {}; // the opened file, whose mode derived files take
    DiskState m_read;        // the bytes last read, for the changed-on-disk check
    UnreadText m_unreadText;
    std::vector<DerivedFile> m_derived;
};
