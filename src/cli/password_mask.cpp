#include "password_mask.h"

#include "password_keys.h"

#include <string_view>

namespace {

// A physical line without its line end, and the line end.
std::string_view body(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

bool continues(std::string_view line) {
    return !body(line).empty() && body(line).back() == '\\';
}

} // namespace

std::string maskPasswords(const std::string& fileBytes) {
    std::string out;
    out.reserve(fileBytes.size());
    std::string_view rest(fileBytes);
    std::string section;
    bool skipping = false; // continuation lines of a masked value
    while (!rest.empty()) {
        const std::size_t lf = rest.find('\n');
        const std::string_view line = rest.substr(0, lf == std::string_view::npos ? lf : lf + 1);
        rest.remove_prefix(line.size());
        if (skipping) {
            skipping = continues(line);
            continue;
        }
        const std::string_view text = body(line);
        if (!text.empty() && text.front() == '[') {
            section = std::string(text.substr(1, text.find(']') - 1));
        } else if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
            const PasswordKey* key = passwordKeyOf(section, text.substr(0, eq));
            if (key && eq + 1 < text.size()) {
                out.append(text.substr(0, eq + 1)).append(key->placeholder());
                out.append(line.substr(text.size()));
                skipping = continues(line);
                continue;
            }
        }
        out.append(line);
    }
    return out;
}
