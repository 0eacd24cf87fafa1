#include "tool_text.h"

#include "latin1.h"
#include "record_kinds.h"

std::string argumentBytes(std::string_view argument) {
    std::string bytes;
    if (utf8ToLatin1(argument, bytes))
        return bytes;
    return std::string(argument);
}

std::string noRecordText(const RecordKind& kind, const std::string& name, const std::string& file) {
    if (name.empty())
        return "no " + std::string(kind.toolName) + " record without a NAME (its " +
               std::string(kind.nameKey) + ") in " + file;
    return "no " + std::string(kind.toolName) + " record " + name + " in " + file;
}
