// The client installer's registry values, on Windows.
#ifdef _WIN32

#include "installation.h"

#include <cstdlib>
#include <vector>
#include <windows.h>

namespace {

constexpr const char* kInstallSummaryKey =
    "software\\Arvenco\\Arvenco Linkhold for NT SNA Client\\CurrentVersion\\Install Summary";
constexpr DWORD kMaxPath = 260;

// Closes the key on every path out.
class RegistryKey {
public:
    bool open() {
        // Read access only: asking for more would fail for every user but administrators.
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallSummaryKey, 0, KEY_READ, &m_key) ==
               ERROR_SUCCESS;
    }
    ~RegistryKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    std::optional<unsigned long> number(const char* name) const {
        DWORD value = 0, type = 0, size = sizeof value;
        if (RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                ERROR_SUCCESS ||
            type != REG_DWORD)
            return std::nullopt;
        return value;
    }
    std::optional<std::string> text(const char* name) const {
        std::vector<char> buffer(kMaxPath + 1, '\0');
        DWORD type = 0, size = kMaxPath;
        if (RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        return std::string(buffer.data());
    }

private:
    HKEY m_key = nullptr;
};

} // namespace

std::string installationSettingsPath() {
    return std::string("HKLM\\") + kInstallSummaryKey;
}

bool readInstallationSettings(InstallationSettings& settings) {
    RegistryKey key;
    if (!key.open())
        return false;
    InstallationSettings read;
    read.appDataLocation = key.number("AppDataLocation");
    // A directory that cannot be read is the empty text, as the installer's reader gives it.
    read.installationDirectory = key.text("Installation Directory").value_or(std::string());
    if (std::optional<unsigned long> type = key.number("Client Type"))
        read.clientType = static_cast<int>(*type);
    settings = read;
    return true;
}

std::string allUsersDataFolder() {
    const char* profile = std::getenv("ALLUSERSPROFILE");
    return profile ? profile : std::string();
}

std::string shortPathName(const std::string& path) {
    std::vector<char> buffer(kMaxPath + 1, '\0');
    DWORD n = GetShortPathNameA(path.c_str(), buffer.data(), kMaxPath);
    if (n == 0 || n > kMaxPath)
        return std::string();
    return std::string(buffer.data(), n);
}

#endif
