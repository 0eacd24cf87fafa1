#include "section_lines.h"

#include <string>

std::vector<long> cfgSectionLines(std::string_view bytes) {
    std::vector<long> lines;
    if (auto end = bytes.find('\xFF'); end != std::string_view::npos)
        bytes = bytes.substr(0, end);
    long physical = 0;
    long first = 1;     // where the logical line being joined began
    bool header = true; // the first logical line is never looked at
    std::string line;   // the logical line so far, joined as the reader joins it
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t lf = bytes.find('\n', at);
        const std::size_t stop = lf == std::string_view::npos ? bytes.size() : lf;
        line.append(bytes.substr(at, stop - at));
        at = stop + 1;
        ++physical;
        if (lf != std::string_view::npos) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line.back() == '\\') {
                line.pop_back();
                continue;
            }
        }
        if (header)
            header = false;
        else if (!line.empty() && line.front() == '[')
            lines.push_back(first);
        line.clear();
        first = physical + 1;
    }
    return lines;
}
