// Undo and redo of the document's record changes. Each change that alters the store (a
// sheet's OK, the midrange sheet's immediate writes however it ends, a delete) becomes one
// step holding a copy of the store before and after it; undo and redo put a copy back.
// The state the file was opened or saved in is the clean one: reaching it again clears the
// document's modified flag, leaving it sets the flag.
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
    // step named text. Returns what change returned; the step is kept when the store
    // changed, whatever the result.
    int record(const QString& text, const std::function<int()>& change);
    // Whether the store changed during the last record().
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

    CCfgDoc& m_doc;
    QUndoStack m_stack;
    std::shared_ptr<State> m_current; // the store as it stands between steps; taken lazily
    std::shared_ptr<State> m_clean;   // as opened or saved, once a change was recorded
    bool m_lastChanged = false;
};
