#include "core/registration/UndoHistory.h"

namespace vexamat {

UndoHistory::UndoHistory(int limit) : m_limit(limit < 1 ? 1 : limit) {}

void UndoHistory::push(UndoStep step) {
    m_steps.erase(m_steps.begin() + m_index, m_steps.end());
    if (m_cleanIndex > m_index)
        m_cleanIndex = -1;
    m_steps.push_back(std::move(step));
    ++m_index;
    while (int(m_steps.size()) > m_limit) {
        m_steps.pop_front();
        --m_index;
        if (m_cleanIndex >= 0)
            --m_cleanIndex; // at 0 it was the state before the dropped step: now -1
    }
}

QString UndoHistory::undoName() const {
    return canUndo() ? m_steps[std::size_t(m_index - 1)].name : QString();
}

QString UndoHistory::redoName() const {
    return canRedo() ? m_steps[std::size_t(m_index)].name : QString();
}

const UndoStep* UndoHistory::undo() {
    if (!canUndo())
        return nullptr;
    --m_index;
    return &m_steps[std::size_t(m_index)];
}

const UndoStep* UndoHistory::redo() {
    if (!canRedo())
        return nullptr;
    return &m_steps[std::size_t(m_index++)];
}

void UndoHistory::clear() {
    m_steps.clear();
    m_index = 0;
    m_cleanIndex = 0;
}

} // namespace vexamat
