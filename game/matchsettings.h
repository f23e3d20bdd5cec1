#pragma once

#include "game/matchtime.h"

struct LiveSettings;

// The match format as the operator's settings keep it, both ways. A kept format that cannot be
// played (settings filled in by hand) gives the default one, the board's own.
MatchFormat MatchFormatOf(const LiveSettings &settings);
void StoreMatchFormat(LiveSettings &settings, const MatchFormat &format);
