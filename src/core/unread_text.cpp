#include "unread_text.h"

#include "cfg_lines.h"
#include "string_ids.h"

#include <algorithm>
#include <string_view>

namespace {

UnreadCause causeOf(const CfgLine& l, bool header) {
    const std::string_view text = l.text;
    const char first = text.empty() ? '\n' : text.front();
    // A carriage return that is not part of a line end stays in the line's text.
    const bool bareCr = text.find('\r') != std::string_view::npos;
    const bool joined = l.last > l.first;
    const bool joinedOrCr = joined || bareCr;
    if (header) {
        if (bareCr)
            return UnreadCause::CarriageReturn;
        if (first == '[')
            return UnreadCause::HeaderSection;
        return joined ? UnreadCause::ContinuedComment : UnreadCause::None;
    }
    if (first == ' ' || first == ';')
        return bareCr   ? UnreadCause::CarriageReturn
               : joined ? UnreadCause::ContinuedComment
                        : UnreadCause::None;
    if (first == '[') {
        const std::size_t close = text.find(']');
        if (joinedOrCr && close != std::string_view::npos && close + 1 < text.size())
            return bareCr ? UnreadCause::CarriageReturn : UnreadCause::ContinuedComment;
        return UnreadCause::None;
    }
    // A key line: its value ends at a NUL byte for the reader.
    const std::size_t nul = text.find('\0');
    return nul != std::string_view::npos && nul + 1 < text.size() ? UnreadCause::Nul
                                                                  : UnreadCause::None;
}

// Whether the text holds none of what the walk below looks for: no NUL byte, no carriage
// return but before a line feed, no line continued with a backslash, no section line for a
// header. Nearly every file is such a text, and this look is a few passes of memchr.
bool plainText(std::string_view text) {
    constexpr auto npos = std::string_view::npos;
    if (text.starts_with('[') || text.find('\0') != npos)
        return false;
    for (std::size_t at = text.find('\r'); at != npos; at = text.find('\r', at + 1))
        if (at + 1 >= text.size() || text[at + 1] != '\n')
            return false;
    for (std::size_t at = text.find('\\'); at != npos; at = text.find('\\', at + 1)) {
        const std::size_t next = at + 1 < text.size() && text[at + 1] == '\r' ? at + 2 : at + 1;
        if (next < text.size() && text[next] == '\n')
            return false;
    }
    return true;
}

} // namespace

UnreadText findUnreadText(const char* data, std::size_t size) {
    const std::string_view bytes(data, size);
    const std::string_view text = cfgReadablePart(bytes);
    if (!plainText(text)) {
        CfgLineReader lines(text);
        CfgLine line;
        for (bool header = true; lines.next(line); header = false)
            if (UnreadCause cause = causeOf(line, header); cause != UnreadCause::None)
                return {cause, line.first};
    }
    if (text.size() + 1 < bytes.size()) {
        const long before = static_cast<long>(std::count(text.begin(), text.end(), '\n'));
        return {UnreadCause::Byte255, before + 1};
    }
    return {};
}

int unreadCauseTextId(UnreadCause cause) {
    switch (cause) {
    case UnreadCause::None:
        break;
    case UnreadCause::Byte255:
        return ids::kUnreadByte255;
    case UnreadCause::CarriageReturn:
        return ids::kUnreadCarriageReturn;
    case UnreadCause::Nul:
        return ids::kUnreadNul;
    case UnreadCause::ContinuedComment:
        return ids::kUnreadContinuedComment;
    case UnreadCause::HeaderSection:
        return ids::kUnreadHeaderSection;
    }
    return 0;
}
