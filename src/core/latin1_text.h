// The file holds single bytes, each the character of the same number (Latin-1); the
// language library's texts, the messages and the tool's output are UTF-8.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 form of bytes read as Latin-1: bytes below 0x80 stay, the others take two.
std::string latin1ToUtf8(std::string_view bytes);
