// Text of a file that the reader does not take although it reads the file without fault:
// everything after a byte 255, lines that end with a carriage return alone (the reader
// sees one line and skips it), the rest of a line after a NUL byte, a line joined to a
// comment by a trailing backslash, a section line taken for the header. A save would leave
// such text out, so it is never dropped without a word.
#pragma once

#include <cstddef>
#include <string_view>

class CfgLineReader;
struct CfgLine;

enum class UnreadCause { None, Byte255, CarriageReturn, Nul, ContinuedComment, HeaderSection };

struct UnreadText {
    UnreadCause cause = UnreadCause::None;
    long line = 0; // the physical line, from 1
    explicit operator bool() const { return cause != UnreadCause::None; }
};

// What the reader leaves of one of a file's lines; header is true for the first line.
UnreadCause unreadCauseOf(const CfgLine& line, bool header);

// The first place where the reader leaves text of a file that it reads without fault. A
// read (cfgReadBuffer, cfgReadFile) finds the same as it goes, in CfgReadResult::unread.
UnreadText findUnreadText(const char* data, std::size_t size);
// The text after a byte 255 that ended the readable part, once `lines` has read all of it.
UnreadText unreadAfterEnd(std::string_view bytes, std::string_view readable,
                          const CfgLineReader& lines);

// The language library's words for a cause.
int unreadCauseTextId(UnreadCause cause);
