#include "gamehistory.h"

void GameHistory::record(Change change)
{
    m_changes.erase(m_changes.begin() + m_index, m_changes.end());
    m_changes.push_back(std::move(change));
    if (count() > m_limit) {
        m_changes.pop_front();
    }
    m_index = count();
}

bool GameHistory::undo()
{
    if (!canUndo()) {
        return false;
    }
    --m_index;
    m_changes[static_cast<std::size_t>(m_index)].undo();
    return true;
}

bool GameHistory::redo()
{
    if (!canRedo()) {
        return false;
    }
    m_changes[static_cast<std::size_t>(m_index)].redo();
    ++m_index;
    return true;
}

void GameHistory::clear()
{
    m_changes.clear();
    m_index = 0;
}
