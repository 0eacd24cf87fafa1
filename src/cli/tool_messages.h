// How the tool reports: error lines "error CODE: MESSAGE" with the language library's text,
// and the messages the document shows, kept so that each failure is reported once.
#pragma once

#include "messages.h"

#include <iosfwd>
#include <string>
#include <vector>

struct RecordRefusal;

// "error CODE: MESSAGE", MESSAGE being the text of the code's message id.
std::string errorLine(ErrorCode code);
// The same for a refused record: its number and message, kept to one line, and
// " (field F)" when the refusal is about a field.
std::string errorLine(const RecordRefusal& refusal);
void printError(std::ostream& err, ErrorCode code);

// Messages the core shows outside a MessageCapture go to standard error as error lines: an
// error code's as its code, any other (a failure of the file as a whole) as the store
// failure's.
void installErrorPresenter();

// While it lives, the codes of the messages the core shows are kept here instead of shown;
// then the presenters before it show them again.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    bool empty() const { return m_codes.empty(); }
    // Prints the first message kept as an error line: later ones repeat the same failure
    // (a failed read is reported by the reader's caller and again by the open). Prints the
    // store failure when nothing was kept.
    void printFirst(std::ostream& err) const;

private:
    std::vector<ErrorCode> m_codes;
    // What was shown before, shown again once the capture ends.
    MessagePresenter m_messages;
    ErrorPresenter m_errors;
};

// Loads the language library as the editor chooses it, or the one named. False, with a
// message, only when a library was named and cannot be loaded.
bool loadToolLanguage(const std::string& overrideName, std::string& error);
