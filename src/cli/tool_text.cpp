#include "tool_text.h"

#include "latin1.h"

std::string argumentBytes(std::string_view argument) {
    std::string bytes;
    if (utf8ToLatin1(argument, bytes))
        return bytes;
    return std::string(argument);
}
