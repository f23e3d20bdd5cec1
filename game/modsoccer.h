#pragma once

#include "game/modcount.h"

#include <QString>

// A text being typed into a figure, and the digit group (by its LED array's name) that owns it.
struct EntryRecord
{
    QString text;
    QString owner;
};

// The game as the program holds it in memory: the clock bank, the last time entered for the
// clock, and the two entry records. The counters are held by the game model (ScoreboardGame).
struct GameState
{
    ClockSlots Clock;
    qint32 LastEnteredTime = 0;
    EntryRecord NumberEntry;
    EntryRecord ClockEntry;
};
