#pragma once

#include <QObject>

#include <array>
#include <optional>
#include <string_view>

class ScoreboardGame;

// What the stream overlay shows beside the game: which of its four panels are up, and the goal
// pop-up's count and goal. The operator's choice of the moment, so it is neither journalled nor
// undone; a new program starts with the score bug alone.

enum class OverlayPanel { ScoreBug, Statistics, Shootout, Board };
inline constexpr int OverlayPanelCount = 4;

// The names other programs know the panels by: "scoreBug", "statistics", "shootout", "board".
std::string_view OverlayPanelName(OverlayPanel panel);
std::optional<OverlayPanel> OverlayPanelNamed(std::string_view name);

class OverlayState final : public QObject
{
    Q_OBJECT

public:
    // Watches `game`, which outlives it, for goals.
    explicit OverlayState(const ScoreboardGame &game, QObject *parent = nullptr);

    bool visible(OverlayPanel panel) const { return m_visible[index(panel)]; }
    void setVisible(OverlayPanel panel, bool visible);
    void toggle(OverlayPanel panel) { setVisible(panel, !visible(panel)); }

    // Grows by one whenever a goal is recorded or the pop-up is fired again; a page shows the
    // pop-up each time it sees it grow.
    int goalPopupSeq() const { return m_seq; }
    // The latest goal's event id; 0 when the match has none.
    int goalPopupId() const;
    // Shows the latest goal again; false, changing nothing, when there is none.
    bool fireGoalPopup();

Q_SIGNALS:
    void changed();

private:
    static std::size_t index(OverlayPanel panel) { return static_cast<std::size_t>(panel); }
    void watchGoals();

    const ScoreboardGame &m_game;
    std::array<bool, OverlayPanelCount> m_visible{true, false, false, false};
    int m_seq = 0;
    // The id the game's next event was to take when last looked at: a goal from there on is new.
    int m_nextSeen = 1;
};
