// The keys that hold a password, each with the longest password it holds. The file stores
// a password scrambled in twice as many characters; the sheets limit the field to it, the
// checks refuse a longer one, and the sheets and the tool show a stored password as that
// many asterisks (its placeholder).
#pragma once

#include "section_names.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

struct PasswordKey {
    std::string_view section;
    std::string_view key;
    std::size_t maxPlain;
    constexpr std::size_t storedLength() const { return 2 * maxPlain; }
    // The sheets' password field takes no more than this.
    constexpr int fieldLimit() const { return static_cast<int>(maxPlain); }
    // What the sheets and the tool show for a stored password.
    std::string placeholder() const { return std::string(maxPlain, '*'); }
};

inline constexpr PasswordKey kGlobalPassword{sections::kGlobal, "PASSWORD", 14};
inline constexpr PasswordKey kCpicPassword{sections::kCpic, "SEC_PW", 10};
inline constexpr PasswordKey kSystemPassword{sections::kSystem, "PASSWORD", 10};
inline constexpr PasswordKey kCommonPassword{sections::kCommon, "PASSWORD", 10};
inline constexpr std::array kPasswordKeys{kGlobalPassword, kCpicPassword, kSystemPassword,
                                          kCommonPassword};

// nullptr for a key that holds no password.
constexpr const PasswordKey* passwordKeyOf(std::string_view section, std::string_view key) {
    for (const PasswordKey& p : kPasswordKeys)
        if (p.section == section && p.key == key)
            return &p;
    return nullptr;
}

// The key of the section that holds a password; nullptr where none does.
constexpr const PasswordKey* passwordKeyIn(std::string_view section) {
    for (const PasswordKey& p : kPasswordKeys)
        if (p.section == section)
            return &p;
    return nullptr;
}
