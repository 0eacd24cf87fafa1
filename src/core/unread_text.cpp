#include "unread_text.h"

#include "cfg_lines.h"
#include "string_ids.h"

#include <string_view>

UnreadCause unreadCauseOf(const CfgLine& l, bool header) {
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

UnreadText findUnreadText(const char* data, std::size_t size) {
    const std::string_view bytes(data, size);
    const std::string_view readable = cfgReadablePart(bytes);
    CfgLineReader lines(readable);
    CfgLine line;
    for (bool header = true; lines.next(line); header = false)
        if (UnreadCause cause = unreadCauseOf(line, header); cause != UnreadCause::None)
            return {cause, line.first};
    return unreadAfterEnd(bytes, readable, lines);
}

UnreadText unreadAfterEnd(std::string_view bytes, std::string_view readable,
                          const CfgLineReader& lines) {
    if (readable.size() + 1 < bytes.size())
        return {UnreadCause::Byte255, lines.physicalLines() + 1};
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
