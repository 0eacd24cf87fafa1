#include "json_text.h"

#include "latin1_text.h"

#include <cctype>
#include <cstdio>

Json jsonBytes(std::string_view bytes) {
    return Json(latin1ToUtf8(bytes));
}

namespace {

void appendUnicodeEscape(std::string& out, unsigned char c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", c);
    out += buffer;
}

} // namespace

std::string lineText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            appendUnicodeEscape(out, byte);
        else
            out.push_back(c);
    }
    return out;
}

std::string jsonText(const Json& value) {
    // The library writes \n, \t and friends in their short forms and lets DEL through;
    // rewrite those so that every control character has the one \u00XX form.
    const std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    std::string out;
    out.reserve(text.size());
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (!inString) {
            out.push_back(c);
            inString = c == '"';
            continue;
        }
        if (c == '"') {
            out.push_back(c);
            inString = false;
        } else if (c == '\x7F') {
            appendUnicodeEscape(out, 0x7F);
        } else if (c == '\\' && i + 1 < text.size()) {
            char e = text[++i];
            switch (e) {
            case 'b':
                appendUnicodeEscape(out, '\b');
                break;
            case 'f':
                appendUnicodeEscape(out, '\f');
                break;
            case 'n':
                appendUnicodeEscape(out, '\n');
                break;
            case 'r':
                appendUnicodeEscape(out, '\r');
                break;
            case 't':
                appendUnicodeEscape(out, '\t');
                break;
            case 'u': // the library's own \u00xx: keep it, in capitals like ours
                out += "\\u";
                for (int k = 0; k < 4 && i + 1 < text.size(); ++k)
                    out.push_back(
                        static_cast<char>(std::toupper(static_cast<unsigned char>(text[++i]))));
                break;
            default: // \" and \\ stay as they are
                out.push_back('\\');
                out.push_back(e);
            }
        } else {
            out.push_back(c);
        }
    }
    return out;
}
