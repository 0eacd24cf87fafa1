#include "unread_text.h"

#include "string_ids.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// One logical line as the reader joins it: physical lines continued by a backslash.
struct LogicalLine {
    std::string joined;
    long first = 0;   // its first physical line
    int physical = 0; // how many physical lines it spans
    bool bareCr = false;
};

// Reads the logical line at `at` and moves `at` past it; `line` counts physical lines.
LogicalLine nextLine(std::string_view text, std::size_t& at, long& line) {
    LogicalLine out;
    out.first = line + 1;
    while (at < text.size()) {
        const std::size_t lf = text.find('\n', at);
        std::string_view piece = text.substr(at, lf == std::string_view::npos ? lf : lf - at);
        at = lf == std::string_view::npos ? text.size() : lf + 1;
        ++line;
        ++out.physical;
        if (lf != std::string_view::npos && !piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        out.bareCr = out.bareCr || piece.find('\r') != std::string_view::npos;
        const bool continued =
            lf != std::string_view::npos && !piece.empty() && piece.back() == '\\';
        out.joined.append(piece.substr(0, piece.size() - (continued ? 1 : 0)));
        if (!continued)
            break;
    }
    return out;
}

UnreadCause causeOf(const LogicalLine& l, bool header) {
    const std::string_view text = l.joined;
    const char first = text.empty() ? '\n' : text.front();
    const bool joinedOrCr = l.physical > 1 || l.bareCr;
    if (header) {
        if (l.bareCr)
            return UnreadCause::CarriageReturn;
        if (first == '[')
            return UnreadCause::HeaderSection;
        return l.physical > 1 ? UnreadCause::ContinuedComment : UnreadCause::None;
    }
    if (first == ' ' || first == ';')
        return l.bareCr         ? UnreadCause::CarriageReturn
               : l.physical > 1 ? UnreadCause::ContinuedComment
                                : UnreadCause::None;
    if (first == '[') {
        const std::size_t close = text.find(']');
        if (joinedOrCr && close != std::string_view::npos && close + 1 < text.size())
            return l.bareCr ? UnreadCause::CarriageReturn : UnreadCause::ContinuedComment;
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
    const void* ff = std::memchr(data, 0xFF, size);
    const std::size_t end =
        ff ? static_cast<std::size_t>(static_cast<const char*>(ff) - data) : size;
    const std::string_view text(data, end);
    std::size_t at = plainText(text) ? text.size() : 0;
    long line = 0;
    for (bool header = true; at < text.size(); header = false) {
        const LogicalLine l = nextLine(text, at, line);
        if (UnreadCause cause = causeOf(l, header); cause != UnreadCause::None)
            return {cause, l.first};
    }
    if (ff && end + 1 < size) {
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
