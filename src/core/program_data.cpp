#include "program_data.h"

#include "installation.h"

#include <sys/stat.h>

#ifndef APICFG_DATA_FROM_BIN
#define APICFG_DATA_FROM_BIN "../share/apicfg"
#endif

namespace {

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

std::vector<std::string> programDataFolders(const std::string& programDir) {
    if (programDir.empty())
        return {};
    return {programDir, programDir + kPathSeparator + APICFG_DATA_FROM_BIN};
}

std::string programDataFile(const std::string& programDir, const std::string& name) {
    const std::vector<std::string> folders = programDataFolders(programDir);
    for (const std::string& folder : folders)
        if (isFile(folder + kPathSeparator + name))
            return folder + kPathSeparator + name;
    return folders.empty() ? name : folders.back() + kPathSeparator + name;
}
