// Reading and writing the configuration file. The file is the client's Windows text file
// whatever platform edits it: CR LF reads as one line feed, and every line is written with
// CR LF, so a file written here is byte for byte the file the client's own platform writes.
#pragma once

#include "file_access.h"
#include "unread_text.h"

#include <cstddef>
#include <string>

class AtomicFile;
class CfgStore;

// Why a file was found malformed; kept beside the store so that callers can say where.
enum class CfgParseError {
    None,
    SectionNameTooLong, // more than kCfgMaxName characters between "[" and "]"
    NoClosingBracket,   // a section line without "]"
    NoEquals,           // a key line without "="
    KeyNameTooLong,     // more than kCfgMaxName characters before the first "="
    ValueTooLong,       // more than kCfgMaxValue characters after the first "="
    KeyBeforeSection,   // a key line before the first section line
    LineTooLong,        // a key line longer than the reader holds (kCfgLineCap)
};

struct CfgReadResult {
    int result = 0; // as cfgReadFile returns it
    long line = 0;  // first physical line of the malformed logical line, from 1
    CfgParseError error = CfgParseError::None;
    FileError file;    // result 1: why the file could not be read
    UnreadText unread; // result 0: the first text the reader left, as findUnreadText finds it
};

inline constexpr std::size_t kCfgMaxName = 15;
inline constexpr std::size_t kCfgMaxValue = 282;
inline constexpr const char* kCfgHeader = "%Arvenco SNA Client Configuration File";
inline constexpr const char* kCfgEnd = ";;  END";

// 0 read (an empty file included); 1 cannot be opened or is no regular file that may be
// read (detail->file says why); 2 malformed (the store is then emptied). The caller empties
// the store beforehand.
int cfgReadFile(CfgStore& store, const std::string& path, CfgReadResult* detail = nullptr);

// Reads a file from memory, as cfgReadFile reads it from disk.
int cfgReadBuffer(CfgStore& store, const char* data, std::size_t size,
                  CfgReadResult* detail = nullptr);

// 0 written; 1 could not be created or may not be written; 2 a write, the flush or the
// final rename failed; error says why. The file is replaced atomically: on any failure the
// previous file is left as it was.
int cfgWriteFile(const CfgStore& store, const std::string& path, FileError* error = nullptr);
// The same through a writer that the caller has set up (a derived file, its ownership).
int cfgWriteTo(const CfgStore& store, AtomicFile& file);

// The bytes cfgWriteFile writes for this store.
std::string cfgWriteBuffer(const CfgStore& store);

// One key with its continuation lines, appended to out in the file's layout.
// Returns 1 (writing to memory cannot fail).
int cfgWriteKey(std::string& out, const char* name, std::size_t nameLen, const char* value,
                std::size_t valueLen);

const char* cfgParseErrorText(CfgParseError error);

// A name or value that the file cannot carry: written, it would not read back as it stands.
struct CfgUnwritable {
    std::string section; // the section's name
    int occurrence = 0;  // its index among the sections of that name
    std::string key;     // the key's name; empty when the section name itself is at fault
    const char* reason = "";
};
// The first such place in store order; false when the whole store reads back as written.
bool cfgFindUnwritable(const CfgStore& store, CfgUnwritable& where);

// What keeps a value from reading back as written: a line feed, a NUL or a byte 255 ends or
// cuts its line for the reader, and a backslash at its end joins the next line to it. The
// record checks refuse such a value by this, so that a sheet or put refuses it, not the save.
enum class CfgValueFault { None, LineBreaker, Backslash };
CfgValueFault cfgValueFault(std::string_view value);
