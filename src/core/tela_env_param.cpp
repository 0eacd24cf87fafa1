#include "tela_env_param.h"

#include "installation.h"
#include "tela_environment.h"

#include <string>

namespace {

// The value name of a registry path: the part after its last backslash.
std::string valueNameOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int TelaEnvironment::GetEnvParam(const std::string& path, const std::string& valueName,
                                 std::string& result, int /*reserved*/, unsigned long root,
                                 int /*flags*/) {
    result.clear();
    if (root != kHkeyLocalMachine)
        return 0;
    InstallationSettings settings;
    if (!readInstallationSettings(settings))
        return 0;
    const std::string name = valueName.empty() ? valueNameOf(path) : valueName;
    if (name == "Installation Directory" && settings.installationDirectory)
        result = *settings.installationDirectory;
    else if (name == "AppDataLocation" && settings.appDataLocation)
        result = std::to_string(*settings.appDataLocation);
    else if (name == "Client Type" && settings.clientType)
        result = std::to_string(*settings.clientType);
    return result.empty() ? 0 : 1;
}
