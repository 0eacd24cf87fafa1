#include "option_kinds.h"

#include "string_ids.h"

#include <array>

namespace {

constexpr std::array<OptionKind, 6> kKinds{{
    {kKindGlobal, ids::kOptionGlobal, ids::kDescGlobal, ids::kGroupGlobal, ids::kTitleGlobal, true},
    {kKindAppc, ids::kOptionAppc, ids::kDescAppc, ids::kGroupAppc, ids::kTitleServers, true},
    {kKindCpic, ids::kOptionCpic, ids::kDescRecords, ids::kGroupCpic, ids::kTitleCpic, false},
    {kKindTp, ids::kOptionTp, ids::kDescRecords, ids::kGroupTp, ids::kTitleTp, false},
    {kKindLux, ids::kOptionLux, ids::kDescRecords, ids::kGroupLux, ids::kTitleLux, false},
    {kKindMidrange, ids::kOptionMidrange, ids::kDescMidrange, ids::kGroupMidrange,
     ids::kTitleMidrange, true},
}};

EditorRunner& runner() {
    static EditorRunner r;
    return r;
}

} // namespace

std::span<const OptionKind> optionKinds() {
    return kKinds;
}

const OptionKind* findOptionKind(int kind) {
    for (const OptionKind& k : kKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

int GetOptionStrings(int kind, int& descriptionId, int& titleId) {
    const OptionKind* k = findOptionKind(kind);
    if (!k)
        return 0;
    descriptionId = k->descriptionId;
    titleId = k->groupTitleId;
    return 1;
}

void setEditorRunner(EditorRunner r) {
    runner() = std::move(r);
}

const EditorRunner& editorRunner() {
    return runner();
}
