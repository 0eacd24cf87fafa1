// The configuration file's lines as the client's reader takes them. Every piece of code
// that looks at a file line by line (the reader, the line numbers of messages, the search
// for text a save would drop, the tool's password masking) takes its lines from here, so
// that all of them agree on where a line starts and ends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The reader holds no more of a logical line than this, so that a file without line feeds
// cannot make it hold gigabytes.
inline constexpr std::size_t kCfgLineCap = 64u * 1024u * 1024u;

// What the client reads of a file's bytes: a byte 255 ends the input, as its reader takes
// it for the end of the file.
std::string_view cfgReadablePart(std::string_view bytes);

struct CfgLine {
    // Without its line end and without the backslashes that continued it; at most
    // kCfgLineCap bytes. Valid until the reader's next line.
    std::string_view text;
    std::string_view raw; // the bytes it spans, line ends and backslashes included
    long first = 0;       // its first physical line, from 1
    long last = 0;        // its last physical line
    bool ended = false;   // a line feed ended it, not the end of the input
    bool tooLong = false; // longer than kCfgLineCap; text holds its beginning
};

// Hands out the logical lines of the bytes it is given: CR LF counts as one line feed, and
// a line that ends with a backslash is joined to the next physical line (both dropped).
class CfgLineReader {
public:
    explicit CfgLineReader(std::string_view bytes) : m_rest(bytes) {}

    // The next logical line; false at the end of the input. A line that is whole where it
    // stands is handed out in place; only joined lines are copied.
    bool next(CfgLine& line);
    // The line feeds read so far.
    long physicalLines() const { return m_physical; }

private:
    bool joined(CfgLine& line);
    void append(CfgLine& line, std::string_view piece);

    std::string_view m_rest;
    std::string m_joined;
    long m_physical = 0; // line feeds consumed so far
    bool m_atEnd = false;
};

// The physical line (from 1) of every section line, in file order: the n-th entry belongs
// to the store's n-th section when the reader read the same bytes.
std::vector<long> cfgSectionLines(std::string_view bytes);
