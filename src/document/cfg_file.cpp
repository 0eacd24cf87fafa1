#include "cfg_file.h"

#include "atomic_file.h"
#include "cfg_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <unordered_map>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// A logical line this long is refused whatever its kind, so that a file without line
// feeds cannot make the reader hold gigabytes.
constexpr std::size_t kLineCap = 64u * 1024u * 1024u;

// Delivers the file's bytes. A byte 255 ends the input for the reader, as the client's own
// reader takes it for the end of the file.
class CfgLineSource {
public:
    CfgLineSource(const char* data, std::size_t size)
        : m_cur(data), m_lim(data), m_safe(data + size), m_sizeHint(size) {
        limitAtByte255(data, size);
    }

    // About how many bytes there are to read (0 when unknown).
    std::size_t sizeHint() const { return m_sizeHint; }

    // Next run of bytes, or false at the end of the input.
    bool next(const char*& begin, const char*& end) {
        if (m_cur == m_lim)
            return false;
        begin = m_cur;
        end = m_lim;
        return true;
    }
    void consume(const char* upTo) { m_cur = upTo; }

    // The next physical line when it lies whole in the current run, holds no NUL byte and is
    // not continued: [begin, end) without its line end. Otherwise false, and the general
    // line reader takes the line. Nearly every line of a file takes this way. equals is the
    // offset of the line's first "=" when that lies within its first sixteen bytes,
    // otherwise npos (then nothing is said about it).
    bool nextPlainLine(const char*& begin, const char*& end, std::size_t& equals) {
        equals = std::string_view::npos;
        if (m_hasNul || m_cur == m_lim)
            return false;
        std::size_t equalsAt = std::string_view::npos;
        const char* lf = findLineEnd(equalsAt);
        if (!lf)
            return false;
        const char* e = lf;
        if (e > m_cur && e[-1] == '\r')
            --e;
        if (e > m_cur && e[-1] == '\\')
            return false;
        begin = m_cur;
        end = e;
        equals = equalsAt;
        m_cur = lf + 1;
        return true;
    }

private:
    // The line feed ending the line at m_cur, or nullptr when the run has none. Lines are
    // short, so sixteen bytes are compared at once where the memory allows, and the "=" of
    // a key line comes with the first comparison.
    const char* findLineEnd(std::size_t& equals) const {
        const char* p = m_cur;
#ifdef __SSE2__
        // Two sixteen-byte comparisons at once: most lines end within their first 32 bytes,
        // and a key name with its "=" always lies in the first sixteen.
        constexpr std::ptrdiff_t kWidth = 32;
        const __m128i lineFeed = _mm_set1_epi8('\n');
        auto matches = [](const char* at, __m128i what) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, what)));
        };
        auto feedsAt = [&](const char* at) {
            return matches(at, lineFeed) | matches(at + 16, lineFeed) << 16;
        };
        if (m_safe - p >= kWidth) {
            std::uint32_t feeds = feedsAt(p);
            std::uint32_t equalSigns = matches(p, _mm_set1_epi8('='));
            std::ptrdiff_t left = m_lim - p;
            if (left < kWidth) {
                feeds &= (1u << left) - 1;
                equalSigns &= (1u << left) - 1;
            }
            if (feeds)
                equalSigns &= (feeds & (0u - feeds)) - 1; // only an "=" before the line end
            if (equalSigns)
                equals = static_cast<std::size_t>(__builtin_ctz(equalSigns));
            if (feeds)
                return p + __builtin_ctz(feeds);
            for (p += kWidth; p < m_lim && m_safe - p >= kWidth; p += kWidth) {
                feeds = feedsAt(p);
                left = m_lim - p;
                if (left < kWidth)
                    feeds &= (1u << left) - 1;
                if (feeds)
                    return p + __builtin_ctz(feeds);
            }
        }
        if (p >= m_lim)
            return nullptr;
#endif
        // The last bytes of a caller's buffer, where nothing may be read past the end.
        return static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(m_lim - p)));
    }

private:
    void limitAtByte255(const char* data, std::size_t size) {
        const void* ff = std::memchr(data, 0xFF, size);
        m_lim = ff ? static_cast<const char*>(ff) : data + size;
        m_hasNul = std::memchr(data, 0, static_cast<std::size_t>(m_lim - data)) != nullptr;
    }

    const char* m_cur = nullptr;
    const char* m_lim = nullptr;
    const char* m_safe = nullptr; // what may be read at most, past m_lim too
    bool m_hasNul = false;
    std::size_t m_sizeHint = 0;
};

struct LineState {
    long physical = 0; // line feeds consumed so far
    bool tooLong = false;
};

// Reads one logical line into `line`: CR LF counts as one line feed, a line feed right
// after a backslash joins the next physical line (both dropped), and the line feed that
// ends the line stays in it. Returns the number of characters stored; 0 at end of input.
std::size_t cfgReadLine(CfgStore& store, CfgLineSource& source, std::string& line,
                        LineState& state) {
    line.clear();
    state.tooLong = false;
    if (store.endOfInput)
        return 0;
    const char* begin;
    const char* end;
    for (;;) {
        if (!source.next(begin, end)) {
            store.endOfInput = true;
            return line.size();
        }
        const char* lf = static_cast<const char*>(std::memchr(begin, '\n', end - begin));
        const char* segmentEnd = lf ? lf : end;
        if (line.size() + static_cast<std::size_t>(segmentEnd - begin) > kLineCap) {
            state.tooLong = true;
            line.resize(kLineCap);
        } else {
            line.append(begin, segmentEnd);
        }
        if (!lf) {
            source.consume(end);
            continue;
        }
        source.consume(lf + 1);
        ++state.physical;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.back() == '\\') {
            line.pop_back();
            continue;
        }
        line.push_back('\n');
        return line.size();
    }
}

// The first "=" of a key line. Every valid key name is short: look within its reach first.
std::size_t findEquals(std::string_view text, std::size_t hint) {
    if (hint != std::string_view::npos)
        return hint;
    const std::size_t reach = std::min(text.size(), kCfgMaxName + 1);
    for (std::size_t eq = 0; eq < reach; ++eq)
        if (text[eq] == '=')
            return eq;
    return text.find('=', reach);
}

CfgParseError keyLineFault(std::string_view text, std::size_t eq, bool haveSection) {
    if (eq == std::string_view::npos)
        return CfgParseError::NoEquals;
    if (eq > kCfgMaxName)
        return CfgParseError::KeyNameTooLong;
    if (text.size() - eq - 1 > kCfgMaxValue)
        return CfgParseError::ValueTooLong;
    if (!haveSection)
        return CfgParseError::KeyBeforeSection;
    return CfgParseError::None;
}

// The next logical line without its line end, and its first character ('\n' for an empty
// line); false at the end of the input. Plain lines are taken where they lie.
bool nextLogicalLine(CfgStore& store, CfgLineSource& source, std::string& line, LineState& state,
                     std::string_view& text, char& first, std::size_t& equalsHint) {
    const char* begin;
    const char* end;
    if (!store.endOfInput && source.nextPlainLine(begin, end, equalsHint)) {
        ++state.physical;
        state.tooLong = false;
        text = std::string_view(begin, static_cast<std::size_t>(end - begin));
        first = text.empty() ? '\n' : text.front();
        return true;
    }
    if (cfgReadLine(store, source, line, state) == 0)
        return false;
    // The client's reader sees the line as a C string: a NUL byte ends it.
    text = std::string_view(line.data(), ::strnlen(line.data(), line.size()));
    first = text.empty() ? '\0' : text.front();
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    return true;
}

// Parses the logical lines of one source into the store.
int readSource(CfgStore& store, CfgLineSource& source, CfgReadResult* detail) {
    store.endOfInput = false;
    CfgReadResult local;
    CfgReadResult& out = detail ? *detail : local;
    out = {};
    std::string line;
    line.reserve(512);
    LineState state;
    CfgStore::Loader loader(store, source.sizeHint());

    auto malformed = [&](long at, CfgParseError why) {
        cfgClear(store);
        out.result = 2;
        out.line = at;
        out.error = why;
        return 2;
    };

    cfgReadLine(store, source, line, state); // the header line, whatever it holds
    bool haveSection = false;
    for (;;) {
        const long firstLine = state.physical + 1;
        std::string_view text;
        char first;
        std::size_t equalsHint = std::string_view::npos;
        if (!nextLogicalLine(store, source, line, state, text, first, equalsHint))
            break;
        if (first == '\n' || first == ' ' || first == ';')
            continue;
        if (first == '[') {
            std::size_t close = text.find(']');
            if (close == std::string_view::npos)
                return malformed(firstLine, CfgParseError::NoClosingBracket);
            if (close - 1 > kCfgMaxName)
                return malformed(firstLine, CfgParseError::SectionNameTooLong);
            loader.section(text.substr(1, close - 1));
            haveSection = true;
            continue;
        }
        if (state.tooLong)
            return malformed(firstLine, CfgParseError::LineTooLong);
        const std::size_t eq = findEquals(text, equalsHint);
        if (CfgParseError why = keyLineFault(text, eq, haveSection); why != CfgParseError::None)
            return malformed(firstLine, why);
        loader.key(std::string_view(text.data(), eq),
                   std::string_view(text.data() + eq + 1, text.size() - eq - 1));
    }
    return 0;
}

// Collects the written bytes and hands them on in large pieces.
class CfgSink {
public:
    explicit CfgSink(std::function<bool(const char*, std::size_t)> flush)
        : m_flush(std::move(flush)) {
        m_buffer.reserve(kFlushAt + 512);
    }
    std::string& buffer() { return m_buffer; }
    bool maybeFlush() { return m_buffer.size() < kFlushAt || flush(); }
    bool flush() {
        bool ok = m_buffer.empty() || m_flush(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
        return ok;
    }

private:
    static constexpr std::size_t kFlushAt = 256 * 1024;
    std::function<bool(const char*, std::size_t)> m_flush;
    std::string m_buffer;
};

// Text-mode output: every line feed becomes CR LF, also one that a value carries.
void putText(std::string& out, const char* text, std::size_t len) {
    const char* end = text + len;
    while (text < end) {
        const char* lf = static_cast<const char*>(std::memchr(text, '\n', end - text));
        if (!lf) {
            out.append(text, end);
            return;
        }
        out.append(text, lf);
        out.append("\r\n", 2);
        text = lf + 1;
    }
}

bool writeStore(const CfgStore& store, CfgSink& sink) {
    std::string& out = sink.buffer();
    out.append(kCfgHeader);
    out.append("\r\n;\r\n");
    for (const CfgSection* s = store.firstSection(); s; s = store.nextSection(s)) {
        std::string_view name = store.sectionName(s);
        out.append(";\r\n[");
        putText(out, name.data(), name.size());
        out.append("]\r\n");
        for (const CfgKey* k = store.firstKey(s); k; k = store.nextKey(k)) {
            std::string_view key = store.keyName(k);
            std::string_view value = store.keyValue(k);
            cfgWriteKey(out, key.data(), key.size(), value.data(), value.size());
            if (!sink.maybeFlush())
                return false;
        }
    }
    out.append(kCfgEnd);
    return sink.flush();
}

} // namespace

int cfgWriteKey(std::string& out, const char* name, std::size_t nameLen, const char* value,
                std::size_t valueLen) {
    putText(out, name, nameLen);
    out.push_back('=');
    std::size_t first = nameLen < 73 ? 73 - nameLen : 0;
    std::size_t piece = std::min(first, valueLen);
    for (std::size_t at = 0;;) {
        putText(out, value + at, piece);
        at += piece;
        if (at >= valueLen)
            break;
        out.append("\\\r\n", 3);
        piece = std::min<std::size_t>(74, valueLen - at);
    }
    out.append("\r\n", 2);
    return 1;
}

int cfgReadFile(CfgStore& store, const std::string& path, CfgReadResult* detail) {
    std::string bytes;
    FileError error;
    if (!readRegularFile(path, bytes, error)) {
        if (detail) {
            *detail = {};
            detail->result = 1;
            detail->file = error;
        }
        return 1;
    }
    return cfgReadBuffer(store, bytes.data(), bytes.size(), detail);
}

int cfgReadBuffer(CfgStore& store, const char* data, std::size_t size, CfgReadResult* detail) {
    CfgLineSource source(data, size);
    return readSource(store, source, detail);
}

std::string cfgWriteBuffer(const CfgStore& store) {
    std::string all;
    CfgSink sink([&all](const char* data, std::size_t n) {
        all.append(data, n);
        return true;
    });
    writeStore(store, sink);
    return all;
}

int cfgWriteTo(const CfgStore& store, AtomicFile& file) {
    if (!file.open())
        return 1;
    CfgSink sink([&file](const char* data, std::size_t n) { return file.write(data, n); });
    if (!writeStore(store, sink))
        return 2;
    return file.commit() ? 0 : 2;
}

int cfgWriteFile(const CfgStore& store, const std::string& path, FileError* error) {
    AtomicFile file(path);
    const int result = cfgWriteTo(store, file);
    if (error)
        *error = file.error();
    return result;
}

namespace {

// Bytes that end or cut a line for the reader wherever they stand.
bool hasLineBreaker(std::string_view text) {
    return text.find_first_of(std::string_view("\n\0\xFF", 3)) != std::string_view::npos;
}

const char* sectionNameFault(std::string_view name) {
    if (name.size() > kCfgMaxName)
        return "the section name is longer than 15 characters";
    if (hasLineBreaker(name) || name.find(']') != std::string_view::npos)
        return "the section name holds a line break, \"]\", a NUL or byte 255";
    return nullptr;
}

const char* keyFault(std::string_view name, std::string_view value) {
    if (name.size() > kCfgMaxName)
        return "the key name is longer than 15 characters";
    if (hasLineBreaker(name) || name.find('=') != std::string_view::npos)
        return "the key name holds a line break, \"=\", a NUL or byte 255";
    if (!name.empty() && (name[0] == ' ' || name[0] == ';' || name[0] == '['))
        return "the key name begins with a blank, \";\" or \"[\"";
    if (value.size() > kCfgMaxValue)
        return "the value is longer than 282 characters";
    if (hasLineBreaker(value))
        return "the value holds a line break, a NUL or byte 255";
    if (!value.empty() && value.back() == '\\')
        return "the value ends with a backslash, which would join the next line";
    return nullptr;
}

} // namespace

bool cfgFindUnwritable(const CfgStore& store, CfgUnwritable& where) {
    std::unordered_map<std::string_view, int> seen; // sections met so far, per name
    for (const CfgSection* s = store.firstSection(); s; s = store.nextSection(s)) {
        std::string_view name = store.sectionName(s);
        int occurrence = seen[name]++;
        const char* fault = sectionNameFault(name);
        const CfgKey* k = store.firstKey(s);
        for (; !fault && k; k = store.nextKey(k))
            if ((fault = keyFault(store.keyName(k), store.keyValue(k))))
                break;
        if (fault) {
            where.section = std::string(name);
            where.occurrence = occurrence;
            where.key = k ? std::string(store.keyName(k)) : std::string();
            where.reason = fault;
            return true;
        }
    }
    return false;
}

const char* cfgParseErrorText(CfgParseError error) {
    switch (error) {
    case CfgParseError::None:
        return "no error";
    case CfgParseError::SectionNameTooLong:
        return "section name longer than 15 characters";
    case CfgParseError::NoClosingBracket:
        return "section line without \"]\"";
    case CfgParseError::NoEquals:
        return "line is neither a comment, a section nor a key (no \"=\")";
    case CfgParseError::KeyNameTooLong:
        return "key name longer than 15 characters";
    case CfgParseError::ValueTooLong:
        return "value longer than 282 characters";
    case CfgParseError::KeyBeforeSection:
        return "key line before the first section line (the first line of a file is its "
               "header and is never read as a section)";
    case CfgParseError::LineTooLong:
        return "line longer than 64 MiB";
    case CfgParseError::CloseFailed:
        return "the file could not be read to its end";
    }
    return "malformed";
}
