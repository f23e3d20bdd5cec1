#pragma once

class QScreen;
class QWidget;

// Where the operator's windows go when the board has a screen of its own. At a match the board
// is on the projector or LED wall; dialogs, questions and messages opened over it would show the
// audience what is not theirs, and the operator would have to look up to answer them.

// The screen the audience watches: the board's, while it is shown; nullptr otherwise.
QScreen *AudienceScreen();
// The operator's console, while it is shown; nullptr otherwise.
QWidget *OperatorConsole();
// With two screens or more, one the board is not on: the console's when there is one, else the
// primary screen when it is free; nullptr with one screen or no board, where nothing moves.
QScreen *OperatorScreen();
// Moves a top-level window that is being shown to the operator: over the console when there is
// one, else to the middle of the operator's screen, when it stands on the audience's. Call as it
// is shown (its showEvent), after any placement of its own.
void PlaceForOperator(QWidget &window);
