#include "password_mask.h"

#include "cfg_lines.h"
#include "password_keys.h"

#include <string_view>

namespace {

// The line end that closes a logical line: CR LF, LF, or none at the end of the input.
std::string_view lineEnd(std::string_view raw) {
    if (raw.ends_with("\r\n"))
        return "\r\n";
    return raw.ends_with('\n') ? "\n" : "";
}

} // namespace

std::string maskPasswords(const std::string& fileBytes) {
    std::string out;
    out.reserve(fileBytes.size());
    // Every line, the header and what follows a byte 255 included: the tool shows them too.
    CfgLineReader lines(fileBytes);
    CfgLine line;
    std::string section;
    while (lines.next(line)) {
        const std::string_view text = line.text;
        if (text.starts_with('[')) {
            section = std::string(text.substr(1, text.find(']') - 1));
        } else if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
            const PasswordKey* key = passwordKeyOf(section, text.substr(0, eq));
            if (key && eq + 1 < text.size()) {
                out.append(text.substr(0, eq + 1)).append(key->placeholder());
                out.append(lineEnd(line.raw));
                continue;
            }
        }
        out.append(line.raw);
    }
    return out;
}
