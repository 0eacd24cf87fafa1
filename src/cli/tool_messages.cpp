#include "tool_messages.h"

#include "json_text.h"
#include "language_path.h"
#include "messages.h"
#include "record_checks.h"
#include "tela_environment.h"

#include <iostream>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace {

std::string messageText(ErrorCode code) {
    int id = errorMessageId(code);
    return id ? TelaEnvironment::GetUserString(id) : std::string();
}

// The one form of every error line the tool prints.
std::string errorLine(int number, std::string_view message) {
    return "error " + std::to_string(number) + ": " + std::string(message);
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
    return errorLine(codeNumber(code), messageText(code));
}

std::string errorLine(const RecordRefusal& refusal) {
    // The message names what was refused, which may hold any byte; the line stays one line.
    std::string line = errorLine(refusal.number(), lineText(refusalText(refusal)));
    if (!refusal.key.empty())
        line += " (field " + refusal.fieldPath() + ")";
    return line;
}

void printError(std::ostream& err, ErrorCode code) {
    err << errorLine(code) << '\n';
}

MessageCapture::MessageCapture()
    // A message shown as text is a failure of the file as a whole, which the caller names.
    : m_messages(setMessagePresenter([this](const std::string&, const std::string&, int) {
          m_codes.push_back(ErrorCode::Store);
          return kIdOk;
      })),
      m_errors(setErrorPresenter([this](ErrorCode code) { m_codes.push_back(code); })) {}

MessageCapture::~MessageCapture() {
    setMessagePresenter(std::move(m_messages));
    setErrorPresenter(std::move(m_errors));
}

void installErrorPresenter() {
    setMessagePresenter([](const std::string&, const std::string&, int) {
        printError(std::cerr, ErrorCode::Store);
        return kIdOk;
    });
    setErrorPresenter([](ErrorCode code) { printError(std::cerr, code); });
}

void MessageCapture::printFirst(std::ostream& err) const {
    printError(err, m_codes.empty() ? ErrorCode::Store : m_codes.front());
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
