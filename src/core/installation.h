// The client's installation, as this program sees it: where its settings are, where the
// configuration file lives by default, and the platform's paths. On Windows the client's
// installer keeps these values in the registry; elsewhere an installation settings file
// holds the same values (docs/installation.md describes it).
#pragma once

#include <optional>
#include <string>

inline constexpr char kPathSeparator = '/';

// The environment variable that names another installation settings file.
inline constexpr const char* kInstallationFileVariable = "APICFG_INSTALLATION_FILE";
// Where the installation settings file is when the variable is not set.
inline constexpr const char* kInstallationFileDefault = "/etc/apicfg/installation.conf";
// The all-users data folder when ALLUSERSPROFILE is not set.
inline constexpr const char* kAllUsersFolderDefault = "/var/lib";

// The values of the client's "Install Summary"; a value the installation lacks is empty.
struct InstallationSettings {
    std::optional<unsigned long> appDataLocation;     // "AppDataLocation", a 32-bit number
    std::optional<std::string> installationDirectory; // "Installation Directory"
    std::optional<int> clientType;                    // "Client Type"
};

// Where the settings come from: the settings file in use (the variable's value when set and
// not empty, else the default).
std::string installationSettingsPath();
// Reads the installation's settings. False when there are none (no file, no
// "Install Summary" section).
bool readInstallationSettings(InstallationSettings& settings);

// The client's installation directory, or the empty text when it is not known.
std::string installationDirectory();
// The folder shared by all users: ALLUSERSPROFILE where it is set, else /var/lib.
std::string allUsersDataFolder();
// The short (8.3) form of a path, or the empty text when the platform gives none (the path
// does not exist). Outside Windows paths have no short form: an existing path is itself.
std::string shortPathName(const std::string& path);

// The default configuration directory, written into buffer. With "AppDataLocation" 50:
// the installation directory, a separator and "PRIVATE" (in short form); with any other
// number: the all-users folder and "Application Data/Arvenco/LH SNA API Client/PRIVATE".
// Without settings, or without "AppDataLocation", the buffer is left as it was.
void getConfigDirectory(std::string& buffer);
