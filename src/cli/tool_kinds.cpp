#include "tool_kinds.h"

#include <array>

namespace {

constexpr std::array<ToolKindInfo, 8> kKinds = {{
    {ToolKind::Global, "global", 16, ""},
    {ToolKind::Appc, "appc", 26, ""},
    {ToolKind::Cpic, "cpic", 12, "SYMB_NAME"},
    {ToolKind::Tp, "tp", 13, "TP_NAME"},
    {ToolKind::Lux, "lux", 27, "PROFILE_NAME"},
    {ToolKind::Midrange, "midrange", 28, ""},
    {ToolKind::System, "system", 28, "HOST_NAME"},
    {ToolKind::Common, "common", 28, ""},
}};

constexpr std::array<ToolKind, 6> kOptionOrder = {ToolKind::Global, ToolKind::Appc,
                                                  ToolKind::Cpic,   ToolKind::Tp,
                                                  ToolKind::Lux,    ToolKind::Midrange};

} // namespace

const ToolKindInfo& kindInfo(ToolKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

const ToolKindInfo* findKind(std::string_view name) {
    for (const ToolKindInfo& info : kKinds)
        if (info.name == name)
            return &info;
    return nullptr;
}

std::span<const ToolKind> optionListOrder() {
    return kOptionOrder;
}

std::string_view kindNamesText() {
    return "global, appc, cpic, tp, lux, midrange, system, common";
}
