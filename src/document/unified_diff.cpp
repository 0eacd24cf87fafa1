#include "unified_diff.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kContext = 3;

struct Lines {
    std::vector<std::string_view> lines; // without their final line feed
    bool lastHasNewline = true;
};

Lines splitLines(std::string_view text) {
    Lines out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            out.lines.push_back(text.substr(start));
            out.lastHasNewline = false;
            break;
        }
        out.lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
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

void appendLine(std::string& out, char mark, std::string_view line, bool noNewline) {
    out += mark;
    out.append(line);
    out += '\n';
    if (noNewline)
        out += "\\ No newline at end of file\n";
}

} // namespace

std::string unifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeLabel, std::string_view afterLabel) {
    if (before == after)
        return {};
    const Lines a = splitLines(before);
    const Lines b = splitLines(after);

    // Removals before additions within each change, as diff shows them.
    dtl::Diff<std::string_view, std::vector<std::string_view>> diff(a.lines, b.lines, true);
    diff.compose();
    std::vector<Edit> edits;
    std::size_t i = 0, j = 0;
    for (const auto& [line, info] : diff.getSes().getSequence()) {
        if (info.type == dtl::SES_COMMON)
            edits.push_back({' ', i++, j++});
        else if (info.type == dtl::SES_DELETE)
            edits.push_back({'-', i++, j});
        else
            edits.push_back({'+', i, j++});
    }
    // Two texts that differ only in the final line feed have the same lines; the last one
    // is then removed and added again.
    if (a.lastHasNewline != b.lastHasNewline && !edits.empty() && edits.back().mark == ' ') {
        const Edit last = edits.back();
        edits.back() = {'-', last.before, last.after};
        edits.push_back({'+', last.before + 1, last.after});
    }

    std::string out;
    out.append("--- ").append(beforeLabel).append("\n+++ ").append(afterLabel).append("\n");
    std::size_t at = 0;
    while (at < edits.size()) {
        // The next change, and the hunk around it: changes less than twice the context apart
        // share one hunk.
        while (at < edits.size() && edits[at].mark == ' ')
            ++at;
        if (at == edits.size())
            break;
        std::size_t start = at >= kContext ? at - kContext : 0;
        std::size_t end = at;
        for (std::size_t k = at; k < edits.size(); ++k) {
            if (edits[k].mark != ' ')
                end = k + 1;
            else if (k - end >= 2 * kContext)
                break;
        }
        end = std::min(edits.size(), end + kContext);
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
            const bool fromAfter = e.mark == '+';
            const Lines& side = fromAfter ? b : a;
            const std::size_t index = fromAfter ? e.after : e.before;
            const bool last = index + 1 == side.lines.size();
            // A kept line that lacks its line feed lacks it on both sides.
            appendLine(out, e.mark, side.lines[index], last && !side.lastHasNewline);
        }
        at = end;
    }
    return out;
}
