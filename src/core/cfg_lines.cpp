#include "cfg_lines.h"

#include <algorithm>

std::string_view cfgReadablePart(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\xFF'));
}

bool CfgLineReader::next(CfgLine& line) {
    if (m_atEnd)
        return false;
    const char* begin = m_rest.data();
    line.first = m_physical + 1;
    line.tooLong = false;
    const std::size_t lf = m_rest.find('\n');
    std::size_t end = lf;
    if (lf != std::string_view::npos && end > 0 && m_rest[end - 1] == '\r')
        --end;
    bool found = true;
    if (lf == std::string_view::npos || (end > 0 && m_rest[end - 1] == '\\')) {
        found = joined(line);
    } else {
        line.tooLong = end > kCfgLineCap;
        line.text = m_rest.substr(0, std::min(end, kCfgLineCap));
        line.ended = true;
        m_rest.remove_prefix(lf + 1);
        ++m_physical;
    }
    line.raw = std::string_view(begin, static_cast<std::size_t>(m_rest.data() - begin));
    line.last = m_physical + (!line.raw.empty() && line.raw.back() != '\n' ? 1 : 0);
    return found;
}

// The general way: physical lines copied and joined until one ends the logical line. The
// line end and the backslash are taken off what has been joined so far, not off the
// physical line alone, as the client's reader does.
bool CfgLineReader::joined(CfgLine& line) {
    m_joined.clear();
    line.ended = false;
    while (!m_rest.empty()) {
        const std::size_t lf = m_rest.find('\n');
        append(line, m_rest.substr(0, lf));
        if (lf == std::string_view::npos) {
            m_rest.remove_prefix(m_rest.size());
            break;
        }
        m_rest.remove_prefix(lf + 1);
        ++m_physical;
        if (!m_joined.empty() && m_joined.back() == '\r')
            m_joined.pop_back();
        if (m_joined.empty() || m_joined.back() != '\\') {
            line.ended = true;
            break;
        }
        m_joined.pop_back();
    }
    m_atEnd = m_rest.empty() && !line.ended;
    line.text = m_joined;
    return line.ended || !m_joined.empty();
}

void CfgLineReader::append(CfgLine& line, std::string_view piece) {
    const std::size_t room = kCfgLineCap - m_joined.size();
    line.tooLong = line.tooLong || piece.size() > room;
    m_joined.append(piece.substr(0, room));
}

std::vector<long> cfgSectionLines(std::string_view bytes) {
    std::vector<long> lines;
    CfgLineReader reader(cfgReadablePart(bytes));
    CfgLine line;
    reader.next(line); // the header line, whatever it holds
    while (reader.next(line))
        if (line.text.starts_with('['))
            lines.push_back(line.first);
    return lines;
}
