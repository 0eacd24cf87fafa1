#include "check_steps.h"

#include "cfg_file.h"
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

bool holdsComma(std::string_view piece) {
    return piece.find(',') != std::string_view::npos;
}

int unwritableRule(std::string_view value) {
    switch (cfgValueFault(value)) {
    case CfgValueFault::LineBreaker:
        return ids::kRuleLineBreak;
    case CfgValueFault::Backslash:
        return ids::kRuleBackslash;
    case CfgValueFault::None:
        break;
    }
    return 0;
}

bool isEncryptionCode(std::string_view code) {
    return code == kEncOff || code == kEncOn || code == kEncOpt;
}

} // namespace checks
