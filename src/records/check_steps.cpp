#include "check_steps.h"

#include "messages.h"
#include "record_types.h"
#include "string_ids.h"

namespace checks {

RecordRefusal refuse(ErrorCode code, int messageId, std::string key, int row, std::string part,
                     std::string arg) {
    RecordRefusal r;
    r.code = code;
    r.messageId = messageId ? messageId : errorMessageId(code);
    r.key = std::move(key);
    r.row = row;
    r.part = std::move(part);
    r.arg = std::move(arg);
    return r;
}

RecordRefusal firstTooLong(std::initializer_list<Limit> limits) {
    for (const Limit& l : limits)
        if (l.value.size() > l.limit)
            return refuse(ErrorCode::None, ids::kRuleTooLong, std::string(l.key), -1, {},
                          std::to_string(l.limit));
    return {};
}

RecordRefusal backslashRefusal(std::string_view key) {
    return refuse(ErrorCode::None, ids::kRuleBackslash, std::string(key));
}

bool holdsComma(std::string_view piece) {
    return piece.find(',') != std::string_view::npos;
}

bool endsWithBackslash(std::string_view value) {
    return !value.empty() && value.back() == '\\';
}

bool isEncryptionCode(std::string_view code) {
    return code == kEncOff || code == kEncOn || code == kEncOpt;
}

} // namespace checks
