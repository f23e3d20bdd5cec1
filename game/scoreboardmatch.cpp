// ScoreboardGame's match: phases, the match clock, added time and the shoot-out.
#include "scoreboardgame.h"

bool ScoreboardGame::countsUp() const
{
    return false;
}

int ScoreboardGame::maximum(Figure figure) const
{
    return InfoOf(figure).maximum;
}

bool ScoreboardGame::setMatchFormat(const MatchFormat &)
{
    return false;
}

bool ScoreboardGame::nextPhase(std::optional<Phase>)
{
    return false;
}

bool ScoreboardGame::announceAddedTime(int)
{
    return false;
}

QString ScoreboardGame::matchMinute() const
{
    return {};
}

bool ScoreboardGame::penaltyKick(Team, bool)
{
    return false;
}

bool ScoreboardGame::beginAddedTimeEntry()
{
    return false;
}

bool ScoreboardGame::typeAddedTimeKey(short)
{
    return false;
}
