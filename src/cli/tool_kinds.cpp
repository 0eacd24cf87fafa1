#include "tool_kinds.h"

#include <array>

namespace {

constexpr std::array<ToolKindInfo, 8> kKinds = {{
    {ToolKind::Global, "global", 16, "", 14},
    {ToolKind::Appc, "appc", 26, "", 0},
    {ToolKind::Cpic, "cpic", 12, "SYMB_NAME", 10},
    {ToolKind::Tp, "tp", 13, "TP_NAME", 0},
    {ToolKind::Lux, "lux", 27, "PROFILE_NAME", 0},
    {ToolKind::Midrange, "midrange", 28, "", 0},
    {ToolKind::System, "system", 28, "HOST_NAME", 10},
    {ToolKind::Common, "common", 28, "", 10},
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
