#pragma once

#include "core/registration/UndoStep.h"

#include <QString>

#include <deque>

namespace vexamat {

// The done and undone edits of the registration, with the point where it was last saved
// (the clean point): the registration has changes to save exactly when the history is not
// at that point. Works as QUndoStack does, which core cannot use.
class UndoHistory {
public:
    static constexpr int kDefaultLimit = 1000; // the oldest steps go beyond this many

    explicit UndoHistory(int limit = kDefaultLimit);

    // Adds a done step. The undone steps after the current point are dropped; a clean
    // point among them can no longer be reached.
    void push(UndoStep step);

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < int(m_steps.size()); }
    // The names of the step that undo and redo would take; empty when there is none.
    QString undoName() const;
    QString redoName() const;
    // Moves back over the last done step and returns it for the caller to revert; nullptr
    // (and nothing moves) when there is none. The step stays owned by the history.
    const UndoStep* undo();
    // Moves forward over the next undone step and returns it for the caller to do again.
    const UndoStep* redo();

    void setClean() { m_cleanIndex = m_index; }
    bool isClean() const { return m_index == m_cleanIndex; }

    // No steps, and clean.
    void clear();
    int count() const { return int(m_steps.size()); }
    int index() const { return m_index; } // the number of done steps

private:
    std::deque<UndoStep> m_steps;
    int m_index = 0;      // steps [0, m_index) are done
    int m_cleanIndex = 0; // -1: the saved state can no longer be reached
    int m_limit;
};

} // namespace vexamat
