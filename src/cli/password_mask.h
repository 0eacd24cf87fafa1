// Passwords in the file's text as the tool prints it: --diff and --check show a stored
// password as get does, as the editor's placeholder, unless --show-passwords is given.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A key that holds a password: how much of its value the record reader takes, the longest
// password it holds, and the placeholder's length that the tool prints for it.
struct PasswordKey {
    std::string_view section;
    std::string_view key;
    std::size_t readLength;
    std::size_t maxPlain;
    int placeholderLength;
};
// nullptr for a key that holds no password.
const PasswordKey* passwordKeyOf(std::string_view section, std::string_view key);
// The key of the section that holds a password; nullptr where none does.
const PasswordKey* passwordKeyIn(std::string_view section);

// The file's bytes with the value of every non-empty password key (GLOBAL, CPI-C, midrange
// system and common) replaced by its placeholder, continuation lines included.
std::string maskPasswords(const std::string& fileBytes);
