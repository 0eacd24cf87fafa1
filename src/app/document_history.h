// Undo and redo of the document's record changes. Each change that alters the store (a
// sheet's OK, the midrange sheet's immediate writes however it ends, a delete) becomes one
// step holding a copy of the store before and after it; undo and redo put a copy back.
// Steps and the modified flag follow the store's content, not the calls that touched it: a
// change that leaves the content as it was is no step, and the document is modified exactly
// while its content differs from the state the file was opened or saved in.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <memory>

class CCfgDoc;
class CfgStore;

class DocumentHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept at most, and the memory all kept copies may take together.
    static constexpr int kMostSteps = 100;
    static constexpr std::size_t kMemoryBudget = std::size_t{512} << 20;

    explicit DocumentHistory(CCfgDoc& doc, QObject* parent = nullptr);
    ~DocumentHistory() override;

    QUndoStack& stack() { return m_stack; }

    // Runs change (a sheet or a delete, through the document's option dispatch) as one
    // step named text. Returns what change returned; the step is kept when the store's
    // content changed, whatever the result.
    int record(const QString& text, const std::function<int()>& change);
    // Whether the store's content changed during the last record().
    bool lastChanged() const { return m_lastChanged; }

    // A new or opened document: no steps, and this state is clean.
    void reset();
    // The document was saved: this state is clean, as the store read back from the file.
    void saved();
    // The store as the file was opened or last saved, what the user's changes are changes
    // to; nullptr while no change was recorded since, when the store itself is that state.
    const CfgStore* cleanStore() const;

signals:
    // Undo or redo replaced the store.
    void storeRestored();

private:
    class Step;
    struct State;

    void restore(const std::shared_ptr<State>& state);
    std::shared_ptr<State> takeSnapshot() const;
    // The state between steps, taken when first needed; the first one after a reset or a
    // save is also the clean one.
    void ensureCurrent();
    // Sets the document's modified flag from its content.
    void followContent();

    CCfgDoc& m_doc;
    QUndoStack m_stack;
    std::shared_ptr<State> m_current; // the store as it stands between steps; taken lazily
    std::shared_ptr<State> m_clean;   // as opened or saved; none until first needed
    bool m_lastChanged = false;
};
