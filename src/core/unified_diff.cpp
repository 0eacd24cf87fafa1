#include "unified_diff.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kContext = 3;

// The lines of a text, each with its line feed: a last line without one differs from the
// same text with one.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// One line of the edit script: kept, removed from before, or added from after.
struct Edit {
    char mark;                 // ' ', '-' or '+'
    std::size_t before, after; // the line's index in before and after (the next one for '+'/'-')
};

// "-l,s" as diff writes it: one line is "l" alone; no lines is the line before, and 0.
std::string range(std::size_t first, std::size_t count) {
    if (count == 1)
        return std::to_string(first + 1);
    return std::to_string(count == 0 ? first : first + 1) + ',' + std::to_string(count);
}

void appendLine(std::string& out, char mark, std::string_view line) {
    out += mark;
    out.append(line);
    if (line.empty() || line.back() != '\n')
        out += "\n\\ No newline at end of file\n";
}

// The edit script of two texts' lines: the lines both share at the start and the end need
// no search; only the last few of them are kept, as the context of the first and last change.
std::vector<Edit> editScript(const std::vector<std::string_view>& a,
                             const std::vector<std::string_view>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    std::vector<Edit> edits;
    for (std::size_t i = head > kContext ? head - kContext : 0; i < head; ++i)
        edits.push_back({' ', i, i});

    // Removals before additions within each change, as diff shows them.
    const std::vector<std::string_view> middleA(a.begin() + static_cast<long>(head),
                                                a.end() - static_cast<long>(tail));
    const std::vector<std::string_view> middleB(b.begin() + static_cast<long>(head),
                                                b.end() - static_cast<long>(tail));
    dtl::Diff<std::string_view, std::vector<std::string_view>> diff(middleA, middleB, true);
    diff.compose();
    std::size_t i = head, j = head;
    for (const auto& [line, info] : diff.getSes().getSequence()) {
        if (info.type == dtl::SES_COMMON)
            edits.push_back({' ', i++, j++});
        else if (info.type == dtl::SES_DELETE)
            edits.push_back({'-', i++, j});
        else
            edits.push_back({'+', i, j++});
    }
    for (std::size_t k = 0; k < std::min(tail, kContext); ++k, ++i, ++j)
        edits.push_back({' ', i, j});
    return edits;
}

// The end of the hunk that holds the change at `at`: changes less than twice the context
// apart share one hunk.
std::size_t hunkEnd(const std::vector<Edit>& edits, std::size_t at) {
    std::size_t end = at;
    for (std::size_t k = at; k < edits.size(); ++k) {
        if (edits[k].mark != ' ')
            end = k + 1;
        else if (k - end >= 2 * kContext)
            break;
    }
    return std::min(edits.size(), end + kContext);
}

} // namespace

std::string unifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeLabel, std::string_view afterLabel) {
    if (before == after)
        return {};
    const std::vector<std::string_view> a = splitLines(before);
    const std::vector<std::string_view> b = splitLines(after);
    const std::vector<Edit> edits = editScript(a, b);

    std::string out;
    out.append("--- ").append(beforeLabel).append("\n+++ ").append(afterLabel).append("\n");
    std::size_t at = 0;
    while (at < edits.size()) {
        while (at < edits.size() && edits[at].mark == ' ')
            ++at;
        if (at == edits.size())
            break;
        const std::size_t start = at >= kContext ? at - kContext : 0;
        const std::size_t end = hunkEnd(edits, at);
        std::size_t beforeCount = 0, afterCount = 0;
        for (std::size_t k = start; k < end; ++k) {
            beforeCount += edits[k].mark != '+';
            afterCount += edits[k].mark != '-';
        }
        out.append("@@ -")
            .append(range(edits[start].before, beforeCount))
            .append(" +")
            .append(range(edits[start].after, afterCount))
            .append(" @@\n");
        for (std::size_t k = start; k < end; ++k) {
            const Edit& e = edits[k];
            appendLine(out, e.mark, e.mark == '+' ? b[e.after] : a[e.before]);
        }
        at = end;
    }
    return out;
}
