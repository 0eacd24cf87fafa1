#include "messages.h"

#include "string_ids.h"
#include "tela_environment.h"

#include <cstdio>

namespace {

MessagePresenter& presenter() {
    static MessagePresenter p;
    return p;
}

struct CodeMessage {
    int code;
    int messageId;
};

// Codes 14 and 24 share one message.
constexpr CodeMessage kCodes[] = {
    {10, 2466}, {12, 2460}, {14, 2457}, {16, 2468}, {20, 2470}, {24, 2457}, {26, 2456}, {34, 2465},
    {38, 2462}, {40, 2463}, {42, 2458}, {44, 2480}, {46, 2464}, {48, 2469}, {50, 2486}, {52, 2467},
    {54, 2482}, {56, 2492}, {58, 2496}, {60, 2488}, {62, 2494}, {64, 2495}, {66, 2477}, {68, 2478},
};

} // namespace

void setMessagePresenter(MessagePresenter p) {
    presenter() = std::move(p);
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

int errorMessageId(int code) {
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
