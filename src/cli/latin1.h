// The configuration file is single bytes; JSON text is Unicode. Each byte stands for the
// character of the same number (Latin-1), so every value survives a trip through JSON:
// out through the core's latin1ToUtf8 (latin1_text.h), and back in through this.
#pragma once

#include <string>
#include <string_view>

// The bytes of UTF-8 text whose characters are all at most U+00FF. False when the text is
// not UTF-8 or holds a character above U+00FF; badCharacter then names the first such
// character (or is 0 for text that is not UTF-8 at all).
bool utf8ToLatin1(std::string_view text, std::string& bytes, char32_t* badCharacter = nullptr);
