// The installation settings file, which holds what the client's installer would keep in the
// registry.
#include "installation.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ini.h>
#include <sys/stat.h>

namespace {

constexpr const char* kSection = "Install Summary";

struct ParseState {
    InstallationSettings* settings;
    bool sawSection = false;
};

// A number as the registry's 32-bit value would hold it: decimal, or hexadecimal with 0x.
std::optional<unsigned long> parseNumber(const char* text) {
    errno = 0;
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 0);
    if (end == text || *end != '\0' || errno == ERANGE || value > 0xFFFFFFFFull || *text == '-')
        return std::nullopt;
    return static_cast<unsigned long>(value);
}

int onValue(void* user, const char* section, const char* name, const char* value) {
    auto* state = static_cast<ParseState*>(user);
    if (std::strcmp(section, kSection) != 0)
        return 1;
    state->sawSection = true;
    if (!name)
        return 1;
    InstallationSettings& s = *state->settings;
    if (std::strcmp(name, "AppDataLocation") == 0) {
        s.appDataLocation = parseNumber(value);
    } else if (std::strcmp(name, "Installation Directory") == 0) {
        s.installationDirectory = value;
    } else if (std::strcmp(name, "Client Type") == 0) {
        std::optional<unsigned long> n = parseNumber(value);
        if (n && *n <= 0x7FFFFFFF)
            s.clientType = static_cast<int>(*n);
    }
    return 1;
}

} // namespace

std::string installationSettingsPath() {
    const char* overridden = std::getenv(kInstallationFileVariable);
    return overridden && *overridden ? overridden : kInstallationFileDefault;
}

bool readInstallationSettings(InstallationSettings& settings) {
    InstallationSettings read;
    ParseState state{&read};
    // A malformed line is skipped rather than making the whole installation unknown;
    // inih reports it but still delivers every good line.
    if (ini_parse(installationSettingsPath().c_str(), onValue, &state) < 0 || !state.sawSection)
        return false;
    settings = read;
    return true;
}

std::string allUsersDataFolder() {
    const char* profile = std::getenv("ALLUSERSPROFILE");
    return profile && *profile ? profile : kAllUsersFolderDefault;
}

std::string shortPathName(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::string();
    return path;
}
