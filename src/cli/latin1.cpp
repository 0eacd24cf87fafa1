#include "latin1.h"

bool utf8ToLatin1(std::string_view text, std::string& bytes, char32_t* badCharacter) {
    bytes.clear();
    bytes.reserve(text.size());
    if (badCharacter)
        *badCharacter = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            bytes.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        // Decode one multi-byte sequence so that a character above U+00FF can be named.
        int extra = (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size())
            return false;
        char32_t cp = b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            auto cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cont & 0x3F);
        }
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        if (cp > 0xFF) {
            if (badCharacter)
                *badCharacter = cp;
            return false;
        }
        bytes.push_back(static_cast<char>(cp));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}
