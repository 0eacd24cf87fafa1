#include "tool_messages.h"

#include "language_path.h"
#include "messages.h"
#include "tela_environment.h"

#include <iostream>
#include <unistd.h>

namespace {

// Every code of the message table, the store failure first: it is what the document
// reports most, and it wins when two codes share a text.
using enum ErrorCode;
constexpr ErrorCode kCodes[] = {
    Store,           InvalidValue, CpicPassword,   PartnerLuName,  LinkLuName,       MissingValue,
    QualifiedLuName, SymbolicName, CpicUserId,     ServiceTpName,  AppTpName,        LuAlias,
    ValueTooLong,    TpPath,       LuxProfileName, HostName,       ConflictingEntry, ServerName,
    ModeName,        HostUserId,   HostPassword,   GlobalUserName, GlobalPassword,   NoFirstLink};

std::string messageText(ErrorCode code) {
    int id = errorMessageId(code);
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

std::string errorLine(ErrorCode code) {
    return "error " + std::to_string(codeNumber(code)) + ": " + messageText(code);
}

void printError(std::ostream& err, ErrorCode code) {
    err << errorLine(code) << '\n';
}

ErrorCode codeOfMessage(const std::string& text) {
    for (ErrorCode code : kCodes)
        if (errorMessageId(code) && messageText(code) == text)
            return code;
    return ErrorCode::Store;
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
    printError(err, m_texts.empty() ? ErrorCode::Store : codeOfMessage(m_texts.front()));
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
