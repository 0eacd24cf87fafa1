// Passwords in the file's text as the tool prints it: --diff and --check show a stored
// password as get does, as the editor's placeholder, unless --show-passwords is given.
#pragma once

#include <string>
#include <string_view>

// The file's bytes with the value of every non-empty password key (GLOBAL, CPI-C, midrange
// system and common) replaced by its placeholder, continuation lines included.
std::string maskPasswords(const std::string& fileBytes);
