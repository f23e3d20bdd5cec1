#include "figureundo.h"

#include "board/digitdisplay.h"
#include "board/modshowdigits.h"
#include "web/webstate.h"

FigureState CaptureFigure(const DigitDisplay &group, const WebState &web)
{
    FigureState state;
    for (int i = 0; i < group.digitCount(); ++i) {
        state.captions << group.caption(i);
    }
    const int slot = WebSlotOf(group.groupName());
    if (slot >= 0) {
        state.webText = web.WebSBValues[static_cast<std::size_t>(slot)];
    }
    return state;
}

void RestoreFigure(DigitDisplay &group, const FigureState &state, WebState &web)
{
    for (int i = 0; i < group.digitCount() && i < state.captions.size(); ++i) {
        group.setCaption(i, state.captions.at(i));
    }
    const int slot = WebSlotOf(group.groupName());
    if (slot >= 0) {
        web.WebSBValues[static_cast<std::size_t>(slot)] = state.webText;
    }
}

FigureChange::FigureChange(
    DigitDisplay &group, WebState &web, FigureState before, FigureState after)
    : m_group(group)
    , m_web(web)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void FigureChange::undo()
{
    RestoreFigure(m_group, m_before, m_web);
}

void FigureChange::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    RestoreFigure(m_group, m_after, m_web);
}

ClockEntryChange::ClockEntryChange(Apply apply, ClockEntryState before, ClockEntryState after)
    : m_apply(std::move(apply))
    , m_before(before)
    , m_after(after)
{
}

void ClockEntryChange::undo()
{
    m_apply(m_before);
}

void ClockEntryChange::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    m_apply(m_after);
}
