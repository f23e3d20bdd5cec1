#include "overlaystate.h"

#include "game/scoreboardgame.h"

#include <algorithm>

namespace {

constexpr std::string_view PanelNames[OverlayPanelCount]
    = {"scoreBug", "statistics", "shootout", "board"};

} // namespace

std::string_view OverlayPanelName(OverlayPanel panel)
{
    return PanelNames[static_cast<std::size_t>(panel)];
}

std::optional<OverlayPanel> OverlayPanelNamed(std::string_view name)
{
    const auto *found = std::find(std::begin(PanelNames), std::end(PanelNames), name);
    if (found == std::end(PanelNames)) {
        return std::nullopt;
    }
    return static_cast<OverlayPanel>(found - std::begin(PanelNames));
}

OverlayState::OverlayState(const ScoreboardGame &game, QObject *parent)
    : QObject(parent)
    , m_game(game)
    , m_nextSeen(game.match().nextEventId)
{
    // Goals already in the match (a resumed one) are no news.
    connect(&game, &ScoreboardGame::matchChanged, this, &OverlayState::watchGoals);
}

void OverlayState::setVisible(OverlayPanel panel, bool visible)
{
    if (m_visible[index(panel)] == visible) {
        return;
    }
    m_visible[index(panel)] = visible;
    Q_EMIT changed();
}

int OverlayState::goalPopupId() const
{
    int latest = 0;
    for (const MatchEvent &event : m_game.events()) {
        if (event.kind == EventKind::Goal) {
            latest = std::max(latest, event.id);
        }
    }
    return latest;
}

bool OverlayState::fireGoalPopup()
{
    if (goalPopupId() == 0) {
        return false;
    }
    ++m_seq;
    Q_EMIT changed();
    return true;
}

// An event's id is never reused within a match, and an undo takes the next id back with the
// event: a goal whose id was still to come when last looked is one just recorded (a redone goal
// too, which the audience sees again).
void OverlayState::watchGoals()
{
    const MatchState &match = m_game.match();
    const bool recorded
        = std::any_of(match.events.cbegin(), match.events.cend(), [this](const MatchEvent &event) {
              return event.kind == EventKind::Goal && event.id >= m_nextSeen;
          });
    m_nextSeen = match.nextEventId;
    if (recorded) {
        ++m_seq;
        Q_EMIT changed();
    }
}
