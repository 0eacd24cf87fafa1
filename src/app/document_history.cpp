#include "document_history.h"

#include "cfg_doc.h"
#include "cfg_store.h"

#include <algorithm>
#include <utility>

// One state of the store; the steps on either side of it share it.
struct DocumentHistory::State {
    CfgStore store;
};

class DocumentHistory::Step : public QUndoCommand {
public:
    Step(DocumentHistory& history, const QString& text, std::shared_ptr<State> before,
         std::shared_ptr<State> after)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)),
          m_after(std::move(after)) {}

    void undo() override { m_history.restore(m_before); }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (m_done)
            m_history.restore(m_after);
        m_done = true;
    }

private:
    DocumentHistory& m_history;
    std::shared_ptr<State> m_before;
    std::shared_ptr<State> m_after;
    bool m_done = false;
};

DocumentHistory::DocumentHistory(CCfgDoc& doc, QObject* parent) : QObject(parent), m_doc(doc) {
    m_stack.setUndoLimit(kMostSteps);
}

DocumentHistory::~DocumentHistory() = default;

std::shared_ptr<DocumentHistory::State> DocumentHistory::takeSnapshot() const {
    auto state = std::make_shared<State>();
    cfgCopy(m_doc.store(), state->store);
    return state;
}

void DocumentHistory::reset() {
    m_stack.clear();
    m_current.reset();
    m_clean.reset();
    m_lastChanged = false;
    // A large store gets fewer steps, so that the copies stay within the budget.
    const std::size_t bytes = std::max<std::size_t>(m_doc.store().bytesReserved(), 1);
    m_stack.setUndoLimit(
        static_cast<int>(std::clamp<std::size_t>(kMemoryBudget / bytes, 1, kMostSteps)));
    m_stack.setClean();
}

void DocumentHistory::saved() {
    // The save added its default sections and read the file back: that is what the steps
    // around this state now lead to.
    if (m_current)
        cfgCopy(m_doc.store(), m_current->store);
    m_clean = m_current;
    m_stack.setClean();
}

void DocumentHistory::ensureCurrent() {
    if (m_current)
        return;
    m_current = takeSnapshot();
    if (!m_clean)
        m_clean = m_current;
}

void DocumentHistory::followContent() {
    m_doc.SetModifiedFlag(m_clean && !cfgSameContent(m_doc.store(), m_clean->store));
}

int DocumentHistory::record(const QString& text, const std::function<int()>& change) {
    ensureCurrent();
    const std::uint64_t before = m_doc.store().changeCount();
    const int result = change();
    // A change that put back what was there (a default rewritten, a record stored as it
    // stood) is no change at all.
    m_lastChanged =
        m_doc.store().changeCount() != before && !cfgSameContent(m_doc.store(), m_current->store);
    if (m_lastChanged) {
        std::shared_ptr<State> after = takeSnapshot();
        m_stack.push(new Step(*this, text, m_current, after)); // the stack owns its steps
        m_current = std::move(after);
    }
    followContent();
    return result;
}

const CfgStore* DocumentHistory::cleanStore() const {
    return m_clean ? &m_clean->store : nullptr;
}

void DocumentHistory::restore(const std::shared_ptr<State>& state) {
    cfgCopy(state->store, m_doc.store());
    m_current = state;
    followContent();
    emit storeRestored();
}
