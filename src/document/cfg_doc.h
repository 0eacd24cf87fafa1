// The program's one document: the open configuration file, held in the one store.
// It carries no GUI: the questions that need a person (which file name, save changes,
// overwrite a file changed on disk) go through hooks that the editor supplies and the
// command-line tool answers itself.
#pragma once

#include "cfg_store.h"
#include "document_base.h"

#include <string>
#include <vector>

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
    bool DoSave(const std::string& path, bool replace = true) override;

    bool LoadConfiguration(const std::string& path);
    int WriteTraceDefaults(int& failureFlag, int& errorCode);
    // Shows the message of an error code; the result argument is not used.
    void ReportError(int result, int code);

    // Option dispatch: the main window and the tool reach the records only through these.
    int ListOptionRecords(int kind, std::vector<std::string>& list);
    int EditOptionRecord(int kind, const std::string& name);
    int DeleteOptionRecord(int kind, const std::string& name);

private:
    CfgStore m_store;
};
