#include "option_kinds.h"

namespace {

EditorRunner& runner() {
    static EditorRunner r;
    return r;
}

} // namespace

int GetOptionStrings(int kind, int& descriptionId, int& titleId) {
    const RecordKind* k = findOptionKind(kind);
    if (!k)
        return 0;
    descriptionId = k->texts.descriptionId;
    titleId = k->texts.groupTitleId;
    return 1;
}

void setEditorRunner(EditorRunner r) {
    runner() = std::move(r);
}

const EditorRunner& editorRunner() {
    return runner();
}
