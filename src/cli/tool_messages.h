// How the tool reports: error lines "error CODE: MESSAGE" with the language library's text,
// and the messages the document shows, kept so that each failure is reported once.
#pragma once

#include "messages.h"

#include <iosfwd>
#include <string>
#include <vector>

// "error CODE: MESSAGE", MESSAGE being the text of the code's message id.
std::string errorLine(ErrorCode code);
void printError(std::ostream& err, ErrorCode code);

// The error code whose message the document showed as text; the store failure code when
// no code matches (the document shows nothing for codes without a message).
ErrorCode codeOfMessage(const std::string& text);

// Messages the core shows outside a MessageCapture go to standard error as error lines.
void installErrorPresenter();

// While it lives, messages the core shows are kept here instead of being shown.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<std::string>& texts() const { return m_texts; }
    void clear() { m_texts.clear(); }
    // Prints the first message kept as an error line: later ones repeat the same failure
    // (a failed read is reported by the reader's caller and again by the open). Prints the
    // store failure when nothing was kept.
    void printFirst(std::ostream& err) const;

private:
    std::vector<std::string> m_texts;
};

// Loads the language library as the editor chooses it, or the one named. False, with a
// message, only when a library was named and cannot be loaded.
bool loadToolLanguage(const std::string& overrideName, std::string& error);
