#include "installation.h"

namespace {

// The number that puts the private data under the installation directory.
constexpr unsigned long kDataInInstallationDirectory = 50;

std::string withSeparator(std::string path) {
    if (path.empty() || path.back() != kPathSeparator)
        path += kPathSeparator;
    return path;
}

} // namespace

std::string installationDirectory() {
    InstallationSettings settings;
    if (!readInstallationSettings(settings))
        return std::string();
    return settings.installationDirectory.value_or(std::string());
}

void getConfigDirectory(std::string& buffer) {
    InstallationSettings settings;
    if (!readInstallationSettings(settings) || !settings.appDataLocation)
        return;
    if (*settings.appDataLocation == kDataInInstallationDirectory) {
        std::string dir = settings.installationDirectory.value_or(std::string());
        buffer = shortPathName(withSeparator(dir) + "PRIVATE");
        return;
    }
    const std::string tail = std::string(1, kPathSeparator) + "Application Data" + kPathSeparator +
                             "Arvenco" + kPathSeparator + "LH SNA API Client" + kPathSeparator +
                             "PRIVATE";
    buffer = shortPathName(allUsersDataFolder()) + tail;
}
