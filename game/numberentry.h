#pragma once

#include "game/figures.h"

#include <QString>

#include <optional>

struct EntryRecord;

// Number entry on the nine counters: typed characters collect into an entry text that is then
// committed to the figure, or added to or subtracted from it. It only produces values; the game
// decides what they change.

// One typed character into `figure`, which shows `current`. The value to show when the key
// completed an entry that is a number in the figure's range; nullopt otherwise (still typing,
// or refused quietly). A refused entry leaves why in `refusal`, in the operator's words.
std::optional<int> EnterNumberKey(EntryRecord &entry, const FigureInfo &figure, int current,
    short keyAscii, QString *refusal = nullptr);

// Why `text` cannot be committed to `figure` showing `current`, in the operator's words; empty
// when it can, or when nothing was typed.
QString NumberRefusal(const QString &text, const FigureInfo &figure, int current);

// An entry text applied to a figure showing `current`: a number, or "+"/"-" and a number to add
// or subtract. nullopt when it forms no number or falls outside minimum..maximum.
std::optional<int> CommitNumber(const QString &text, int current, int minimum, int maximum);
