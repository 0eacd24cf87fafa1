#include "field_limits.h"

#include "password_keys.h"
#include "record_fields.h"

#include <array>
#include <utility>
#include <variant>

namespace {

template <class Record> std::size_t checkLimitIn(std::string_view key) {
    for (const KeyField<Record>& f : kKeyFields<Record>)
        if (f.key == key)
            return f.checkLimit;
    return 0;
}

// Each family's lookup at the family's place: AnyRecord holds the families in their order.
template <std::size_t... Family> constexpr auto limitLookups(std::index_sequence<Family...>) {
    return std::array{&checkLimitIn<std::variant_alternative_t<Family, AnyRecord>>...};
}
constexpr auto kLimitLookups =
    limitLookups(std::make_index_sequence<std::variant_size_v<AnyRecord>>{});

} // namespace

std::size_t fieldLimit(RecordFamily family, std::string_view key) {
    const RecordKind& kind = kindOf(family);
    if (key == kind.nameKey)
        return kind.nameRule.limit;
    if (const PasswordKey* p = passwordKeyOf(kind.section, key))
        return p->maxPlain;
    return kLimitLookups[static_cast<std::size_t>(family)](key);
}
