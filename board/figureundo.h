#pragma once

#include "game/modcount.h"

#include <QList>
#include <QString>
#include <QUndoCommand>

#include <functional>

class DigitDisplay;
struct WebState;

// What a counter shows: its digits' captions (digit 0 first) and its text for the web.
struct FigureState
{
    QList<qint16> captions;
    QString webText;
    bool operator==(const FigureState &) const = default;
};

FigureState CaptureFigure(const DigitDisplay &group, const WebState &web);
void RestoreFigure(DigitDisplay &group, const FigureState &state, WebState &web);

// A committed change of a counter, undone and redone by showing the figure as it was.
class FigureChange final : public QUndoCommand
{
public:
    FigureChange(DigitDisplay &group, WebState &web, FigureState before, FigureState after);
    void undo() override;
    void redo() override;

private:
    DigitDisplay &m_group;
    WebState &m_web;
    FigureState m_before;
    FigureState m_after;
    bool m_done = true; // the change has already been made when it is recorded
};

// What a clock entry changes: the clock's value (stopped) and the last entered time.
struct ClockEntryState
{
    ClockValue value = 0;
    qint32 lastEntered = 0;
    bool operator==(const ClockEntryState &) const = default;
};

// A committed clock entry. Undoing it sets the clock, stopped, to the value it showed before
// the entry; it never moves a running clock otherwise.
class ClockEntryChange final : public QUndoCommand
{
public:
    using Apply = std::function<void(const ClockEntryState &)>;
    ClockEntryChange(Apply apply, ClockEntryState before, ClockEntryState after);
    void undo() override;
    void redo() override;

private:
    Apply m_apply;
    ClockEntryState m_before;
    ClockEntryState m_after;
    bool m_done = true;
};
