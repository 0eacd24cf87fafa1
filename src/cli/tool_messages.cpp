#include "tool_messages.h"

#include "language_path.h"
#include "messages.h"
#include "tela_environment.h"

#include <iostream>
#include <unistd.h>

namespace {

// Every code of the message table, the store failure first: it is what the document
// reports most, and it wins when two codes share a text.
constexpr int kCodes[] = {66, 10, 12, 14, 16, 20, 24, 26, 34, 38, 40, 42,
                          44, 46, 48, 50, 52, 54, 56, 58, 60, 62, 64, 68};

std::string messageText(int code) {
    int id = errorMessageId(static_cast<ErrorCode>(code));
    return id ? TelaEnvironment::GetUserString(id) : std::string();
}

std::string programDirectory() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    std::string path(buffer, static_cast<std::size_t>(n));
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

std::string errorLine(int code) {
    return "error " + std::to_string(code) + ": " + messageText(code);
}

void printError(std::ostream& err, int code) {
    err << errorLine(code) << '\n';
}

int codeOfMessage(const std::string& text) {
    for (int code : kCodes)
        if (errorMessageId(static_cast<ErrorCode>(code)) && messageText(code) == text)
            return code;
    return kErrStore;
}

MessageCapture::MessageCapture() {
    setMessagePresenter([this](const std::string&, const std::string& text, int) {
        m_texts.push_back(text);
        return kIdOk;
    });
}

MessageCapture::~MessageCapture() {
    installErrorPresenter();
}

void installErrorPresenter() {
    setMessagePresenter([](const std::string&, const std::string& text, int) {
        printError(std::cerr, codeOfMessage(text));
        return kIdOk;
    });
}

void MessageCapture::printFirst(std::ostream& err) const {
    printError(err, m_texts.empty() ? kErrStore : codeOfMessage(m_texts.front()));
}

bool loadToolLanguage(const std::string& overrideName, std::string& error) {
    std::string name = overrideName;
    // A .lang file named without a folder is one in the current folder.
    if (name.size() > 5 && name.compare(name.size() - 5, 5, ".lang") == 0 &&
        name.find('/') == std::string::npos)
        name = "./" + name;
    if (loadUserLanguage(programDirectory(), name) || name.empty())
        return true;
    error = "the language library '" + overrideName + "' cannot be loaded";
    return false;
}
