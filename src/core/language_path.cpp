#include "language_path.h"

#include "program_data.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <cstdlib>

std::vector<std::string> defaultLanguageSearchPath(const std::string& programDir) {
    std::vector<std::string> folders;
    if (const char* dir = std::getenv("APICFG_LANG_DIR"); dir && *dir)
        folders.emplace_back(dir);
    for (std::string& folder : programDataFolders(programDir))
        folders.push_back(std::move(folder));
    return folders;
}

bool loadUserLanguage(const std::string& programDir, const std::string& overrideName) {
    TelaEnvironment::SetSearchPath(defaultLanguageSearchPath(programDir));
    std::string library = overrideName;
    if (library.empty()) {
        const int languageId = userDefaultLanguageId();
        // The start-up names the document's texts along with the language; kept for the
        // call's shape.
        TelaEnvironment::SetLanguage(languageId & kPrimaryLanguageMask,
                                     languageId >> kSublanguageShift, library, nullptr, 0,
                                     ids::kDocumentStrings);
    }
    bool loaded = TelaEnvironment::LoadLibrary(library);
    return loaded;
}
