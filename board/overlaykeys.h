#pragma once

class OverlayState;
class QWidget;

// The overlay's keys on the board: Ctrl+1 to Ctrl+4 show or hide the score bug, the statistics,
// the shoot-out and the board panel; Ctrl+G shows the latest goal again. Taken as shortcuts
// anywhere in `board`, before any figure sees them; `overlay` outlives the board's actions.
void AddOverlayKeys(QWidget &board, OverlayState &overlay);
