#include "field_limits.h"

#include "password_keys.h"

namespace {

struct KeyLimit {
    RecordFamily family;
    std::string_view key;
    std::size_t limit;
};

using enum RecordFamily;
constexpr KeyLimit kLimits[] = {
    {Global, "USER_NAME", 20},
    {Global, "TRANSLATE_TABLE", 256},
    {Global, "DEF_LU_ALIAS", 8},
    {Global, "DEF_PLU_ALIAS", 8},
    {Cpic, "LOCAL_LU", 8},
    {Cpic, "REMOTE_TP", 64},
    {Cpic, "SEC_USERID", 10},
    {Tp, "LU_NAME", 8},
    {Tp, "PATH", 80},
    {Tp, "PARM_STRING", 32},
    {MidrangeSystem, "USER_NAME", 10},
    {MidrangeCommon, "LOCAL_LU", 8},
    {MidrangeCommon, "USER_NAME", 10},
};

} // namespace

std::size_t fieldLimit(RecordFamily family, std::string_view key) {
    const RecordKind& kind = kindOf(family);
    if (key == kind.nameKey)
        return kind.nameRule.limit;
    if (const PasswordKey* p = passwordKeyOf(kind.section, key))
        return p->maxPlain;
    for (const KeyLimit& l : kLimits)
        if (l.family == family && l.key == key)
            return l.limit;
    return 0;
}
