// Fuzzes the language library parser: whatever the text, it is taken whole or refused
// whole with the line at fault, and no id is negative or summed past its nine digits.
#include "tela_environment.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::map<int, std::string> strings;
    int badLine = 0;
    if (!parseLanguageText(text, strings, &badLine)) {
        if (!strings.empty() || badLine < 1)
            __builtin_trap();
        return 0;
    }
    for (const auto& [id, string] : strings)
        if (id < 0 || id > 999999999)
            __builtin_trap();
    return 0;
}
