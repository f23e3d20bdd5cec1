#pragma once

#include <QtGlobal>

#include <deque>
#include <functional>

// The operator's undo history: changes already made, each with the way to take it back and to
// make it again. Recording a change drops whatever was undone after it; beyond the limit the
// oldest change goes. Plain Qt Core, so the game model can keep it.
class GameHistory
{
public:
    struct Change
    {
        std::function<void()> undo;
        std::function<void()> redo;
    };

    explicit GameHistory(int limit)
        : m_limit(limit)
    {
    }

    void record(Change change);
    // Each answers whether there was something to take back or make again.
    bool undo();
    bool redo();
    void clear();

    int count() const { return static_cast<int>(m_changes.size()); }
    // How many of the changes are in effect; the rest were undone.
    int index() const { return m_index; }
    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < count(); }

private:
    std::deque<Change> m_changes;
    int m_index = 0;
    int m_limit;
};
