#include "cfg_file.h"

#include "atomic_file.h"
#include "cfg_lines.h"
#include "cfg_store.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>
#include <unordered_map>

namespace {

constexpr std::size_t kMiB = 1024u * 1024u;
static_assert(kCfgLineCap % kMiB == 0, "the fault text names the line cap in whole MiB");

// A fault text that names a limit ("WHAT longer than LIMIT UNIT"), built from the limit's
// own constant, so that the text cannot name another number.
std::string longerThan(std::string_view what, std::size_t limit, std::string_view unit) {
    return std::string(what) + " longer than " + std::to_string(limit) + ' ' + std::string(unit);
}

// Builds each section whole before it goes into the store, its keys taking exactly the
// room they need: the store then holds not much more than the file, in few cache lines.
class SectionBuilder {
public:
    explicit SectionBuilder(CfgStore& store) : m_store(store) {}
    ~SectionBuilder() { finish(); }
    SectionBuilder(const SectionBuilder&) = delete;
    SectionBuilder& operator=(const SectionBuilder&) = delete;

    bool started() const { return m_started; }
    void start(std::string_view name) {
        finish();
        m_name = name;
        m_started = true;
    }
    void key(std::string_view name, std::string_view value) {
        m_keys.push_back(CfgKey{std::string(name), std::string(value)});
    }
    void finish() {
        if (!m_started)
            return;
        m_store.appendSection(m_name, m_keys);
        m_keys.clear();
        m_started = false;
    }
    // A malformed file leaves nothing of itself.
    void drop() {
        m_keys.clear();
        m_started = false;
    }

private:
    CfgStore& m_store;
    std::string m_name;
    std::vector<CfgKey> m_keys;
    bool m_started = false;
};

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

// What one line does to the store: nothing (a blank or comment line), a section, a key, or
// the fault that makes the whole file malformed.
CfgParseError readLine(SectionBuilder& section, std::string_view line, bool ended, bool tooLong) {
    // The client's reader sees the line as a C string: a NUL byte ends it, and an empty
    // line is the line feed alone.
    const std::size_t nul = line.find('\0');
    const std::string_view body = line.substr(0, nul);
    const char first = !body.empty()                            ? body.front()
                       : nul == std::string_view::npos && ended ? '\n'
                                                                : '\0';
    if (first == '\n' || first == ' ' || first == ';')
        return CfgParseError::None;
    if (first == '[') {
        const std::size_t close = body.find(']');
        if (close == std::string_view::npos)
            return CfgParseError::NoClosingBracket;
        if (close - 1 > kCfgMaxName)
            return CfgParseError::SectionNameTooLong;
        section.start(body.substr(1, close - 1));
        return CfgParseError::None;
    }
    if (tooLong)
        return CfgParseError::LineTooLong;
    const std::size_t eq = body.find('=');
    if (CfgParseError why = keyLineFault(body, eq, section.started()); why != CfgParseError::None)
        return why;
    section.key(body.substr(0, eq), body.substr(eq + 1));
    return CfgParseError::None;
}

int readBytes(CfgStore& store, std::string_view bytes, CfgReadResult& out) {
    out = {};
    const std::string_view readable = cfgReadablePart(bytes);
    CfgLineReader lines(readable);
    CfgLine line;
    SectionBuilder section(store);
    for (bool header = true; lines.next(line); header = false) {
        if (!out.unread)
            if (const UnreadCause cause = unreadCauseOf(line, header); cause != UnreadCause::None)
                out.unread = {cause, line.first};
        if (header)
            continue; // the header line, whatever it holds
        const CfgParseError why = readLine(section, line.text, line.ended, line.tooLong);
        if (why != CfgParseError::None) {
            section.drop();
            cfgClear(store);
            out = {2, line.first, why, {}, {}};
            return 2;
        }
    }
    if (!out.unread)
        out.unread = unreadAfterEnd(bytes, readable, lines);
    store.endOfInput = true;
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
    for (const CfgSection& s : store.sections()) {
        out.append(";\r\n[");
        putText(out, s.name.data(), s.name.size());
        out.append("]\r\n");
        for (const CfgKey& k : s.keys) {
            cfgWriteKey(out, k.name.data(), k.name.size(), k.value.data(), k.value.size());
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
    CfgReadResult local;
    return readBytes(store, std::string_view(data, size), detail ? *detail : local);
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

// Bytes that end or cut a line for the reader wherever they stand. A plain loop: a search
// for any of a set of bytes asks the set once per byte of the text, a third of a save.
bool hasLineBreaker(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == '\n' || c == '\0' || c == '\xFF'; });
}

const char* sectionNameFault(std::string_view name) {
    if (name.size() > kCfgMaxName) {
        static const std::string text =
            longerThan("the section name is", kCfgMaxName, "characters");
        return text.c_str();
    }
    if (hasLineBreaker(name) || name.find(']') != std::string_view::npos)
        return "the section name holds a line break, \"]\", a NUL or byte 255";
    return nullptr;
}

const char* keyFault(std::string_view name, std::string_view value) {
    if (name.size() > kCfgMaxName) {
        static const std::string text = longerThan("the key name is", kCfgMaxName, "characters");
        return text.c_str();
    }
    if (hasLineBreaker(name) || name.find('=') != std::string_view::npos)
        return "the key name holds a line break, \"=\", a NUL or byte 255";
    if (!name.empty() && (name[0] == ' ' || name[0] == ';' || name[0] == '['))
        return "the key name begins with a blank, \";\" or \"[\"";
    if (value.size() > kCfgMaxValue) {
        static const std::string text = longerThan("the value is", kCfgMaxValue, "characters");
        return text.c_str();
    }
    switch (cfgValueFault(value)) {
    case CfgValueFault::LineBreaker:
        return "the value holds a line break, a NUL or byte 255";
    case CfgValueFault::Backslash:
        return "the value ends with a backslash, which would join the next line";
    case CfgValueFault::None:
        break;
    }
    return nullptr;
}

} // namespace

CfgValueFault cfgValueFault(std::string_view value) {
    if (hasLineBreaker(value))
        return CfgValueFault::LineBreaker;
    if (!value.empty() && value.back() == '\\')
        return CfgValueFault::Backslash;
    return CfgValueFault::None;
}

bool cfgFindUnwritable(const CfgStore& store, CfgUnwritable& where) {
    std::unordered_map<std::string_view, int> seen; // sections met so far, per name
    for (const CfgSection& s : store.sections()) {
        int occurrence = seen[s.name]++;
        const char* fault = sectionNameFault(s.name);
        const CfgKey* atKey = nullptr;
        for (const CfgKey& k : s.keys) {
            if (fault)
                break;
            if ((fault = keyFault(k.name, k.value)))
                atKey = &k;
        }
        if (fault) {
            where.section = s.name;
            where.occurrence = occurrence;
            where.key = atKey ? atKey->name : std::string();
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
    case CfgParseError::SectionNameTooLong: {
        static const std::string text = longerThan("section name", kCfgMaxName, "characters");
        return text.c_str();
    }
    case CfgParseError::NoClosingBracket:
        return "section line without \"]\"";
    case CfgParseError::NoEquals:
        return "line is neither a comment, a section nor a key (no \"=\")";
    case CfgParseError::KeyNameTooLong: {
        static const std::string text = longerThan("key name", kCfgMaxName, "characters");
        return text.c_str();
    }
    case CfgParseError::ValueTooLong: {
        static const std::string text = longerThan("value", kCfgMaxValue, "characters");
        return text.c_str();
    }
    case CfgParseError::KeyBeforeSection:
        return "key line before the first section line (the first line of a file is its "
               "header and is never read as a section)";
    case CfgParseError::LineTooLong: {
        static const std::string text = longerThan("line", kCfgLineCap / kMiB, "MiB");
        return text.c_str();
    }
    }
    return "malformed";
}
