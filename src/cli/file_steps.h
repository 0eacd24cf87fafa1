// Reading, opening and saving FILE the way each command needs, with the failure reported
// once on the error stream. Each returns kExitOk, or the exit code to end with.
#pragma once

#include "file_lock.h"
#include "json_text.h"
#include "unread_text.h"

#include <iosfwd>
#include <string>

class CCfgDoc;
class CfgStore;
struct Invocation;

// The editor's reader alone: no conversion, nothing written. 1 when the file cannot be
// opened, 2 when it is malformed (the malformed line is named), kExitUnreadable when it is
// no regular file that may be read. unread receives where the reader left text out.
int readConfiguration(CfgStore& store, const std::string& path, std::ostream& err,
                      UnreadText* unread = nullptr, std::string* bytesRead = nullptr);

// check's warning that the reader leaves text of file out: a line to out, or with --json
// an entry of kind "file" in all.
void reportUnread(const std::string& file, const UnreadText& unread, bool json, Json& all,
                  std::ostream& out);

// Opens path as the editor's File Open does, converting entries of the older form. With
// createMissing a path that does not exist gives a new, empty document of that name. With
// force a conversion may replace an existing backup or converted file, and a save may
// leave out text the reader does not take.
int openDocument(CCfgDoc& doc, const std::string& path, bool createMissing, bool force,
                 std::ostream& err);

// Saves as the editor's File Save does (default sections, write, read back). Before
// anything is written, the store must read back from its own file text as it stands, so
// that a value the file cannot hold never replaces a good file.
int saveDocument(CCfgDoc& doc, std::ostream& err);

// Names what is wrong with the file at path when it could not be read: "PATH: line N: why".
void printReadProblem(const std::string& path, std::ostream& err);

// FILE as it was before a change: what put, delete and save compare their result with,
// and the lock that keeps other writers out until the change is saved.
struct FileBefore {
    bool existed = false;
    std::string bytes;
    FileLock lock;
};

// Opens FILE for put, delete and save, keeping its bytes in before first. Unless --check
// it first takes the lock (waiting --lock-wait seconds for another writer). With --check
// the open is a dry run, so that nothing at all is written (the conversion of older entries
// happens in memory only). A FILE with text its reader leaves out is refused unless
// --force.
int openForChange(CCfgDoc& doc, const Invocation& inv, bool createMissing, FileBefore& before,
                  std::ostream& err);

// Ends put, delete and save. The bytes the save would write are compared with FILE as it
// was: with --diff or --check the difference goes to out; --check stops there
// (kExitWouldChange when FILE would change), naming the other files the change writes.
// Passwords in the difference are masked unless --show-passwords. When FILE held those
// bytes already it is left untouched and "FILE: unchanged" is printed; otherwise the
// document is saved.
int finishChange(CCfgDoc& doc, const Invocation& inv, const FileBefore& before, std::ostream& out,
                 std::ostream& err);
