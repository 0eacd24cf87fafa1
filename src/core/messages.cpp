#include "messages.h"

#include "string_ids.h"
#include "tela_environment.h"

#include <cstdio>
#include <utility>

namespace {

MessagePresenter& presenter() {
    static MessagePresenter p;
    return p;
}

ErrorPresenter& errorPresenter() {
    static ErrorPresenter p;
    return p;
}

struct CodeMessage {
    ErrorCode code;
    int messageId;
};

using enum ErrorCode;
constexpr CodeMessage kCodes[] = {
    {InvalidValue, ids::kErr10},
    {CpicPassword, ids::kErr12},
    {PartnerLuName, ids::kErr14And24},
    {LinkLuName, ids::kErr16},
    {MissingValue, ids::kErr20},
    {QualifiedLuName, ids::kErr14And24},
    {SymbolicName, ids::kErr26},
    {CpicUserId, ids::kErr34},
    {ServiceTpName, ids::kErr38},
    {AppTpName, ids::kErr40},
    {LuAlias, ids::kErr42},
    {ValueTooLong, ids::kErr44},
    {TpPath, ids::kErr46},
    {LuxProfileName, ids::kErr48},
    {HostName, ids::kErr50},
    {ConflictingEntry, ids::kErr52},
    {ServerName, ids::kErr54},
    {ModeName, ids::kErr56},
    {HostUserId, ids::kErr58},
    {HostPassword, ids::kErr60},
    {GlobalUserName, ids::kErr62},
    {GlobalPassword, ids::kErr64},
    {Store, ids::kErr66},
    {NoFirstLink, ids::kErr68},
};

} // namespace

MessagePresenter setMessagePresenter(MessagePresenter p) {
    MessagePresenter previous = std::move(presenter());
    presenter() = std::move(p);
    return previous;
}

int AppMessageBox(const std::string& text, int style) {
    std::string title = TelaEnvironment::GetUserString(ids::kAppTitle);
    if (presenter())
        return presenter()(title, text, style);
    std::fprintf(stderr, "%s\n", text.c_str());
    return kIdOk;
}

std::string formatMessage(std::string text, std::initializer_list<std::string_view> args) {
    int number = 1;
    for (std::string_view arg : args) {
        const std::string mark = "%" + std::to_string(number++);
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + arg.size()))
            text.replace(at, mark.size(), arg);
    }
    return text;
}

int errorMessageId(ErrorCode code) {
    for (const CodeMessage& c : kCodes)
        if (c.code == code)
            return c.messageId;
    return 0;
}

const TransportTexts& transportTexts() {
    static TransportTexts texts;
    static unsigned long loadedAt = ~0ul;
    // Taken again whenever another library (or none) has been loaded since.
    if (loadedAt != TelaEnvironment::LoadCount()) {
        loadedAt = TelaEnvironment::LoadCount();
        texts.first = TelaEnvironment::GetUserString(ids::kTransportFirst);
        texts.second = TelaEnvironment::GetUserString(ids::kTransportSecond);
    }
    return texts;
}

ErrorPresenter setErrorPresenter(ErrorPresenter p) {
    ErrorPresenter previous = std::move(errorPresenter());
    errorPresenter() = std::move(p);
    return previous;
}

void showErrorMessage(ErrorCode code) {
    const int messageId = errorMessageId(code);
    if (messageId == 0)
        return;
    if (errorPresenter())
        errorPresenter()(code);
    else
        AppMessageBox(TelaEnvironment::GetUserString(messageId), kMbOk);
}
