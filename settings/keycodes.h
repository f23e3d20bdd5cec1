#pragma once

#include "typedkeys.h"

#include <QString>
#include <QtGlobal>

#include <array>

// Control keys are 16-bit character codes. These are the rules for binding one and the way the
// options dialog shows it.

// The keys bound to start/stop, reset, buzzer, next phase and added time, in that order.
using KeyBindings = std::array<qint16, 5>;

// Codes that no action may take unless it already has it: o and h (options, help), the number
// entry keys = . - + and space, and Enter.
inline constexpr std::array<qint16, 8> ReservedKeyCodes = {KeyCode::Options, KeyCode::Help,
    KeyCode::Equals, KeyCode::Point, KeyCode::Minus, KeyCode::Plus, KeyCode::Space, KeyCode::Enter};

bool IsReservedKey(qint16 code);

// Whether `code` may become the key of the action now bound to `current`, while `taken` holds
// the keys the options dialog shows. The action's own key is always accepted, reserved or
// not.
bool MayBindKey(qint16 code, qint16 current, const KeyBindings &taken);

// The key as the options dialog shows it: the character itself, or a name for one that cannot be
// seen (space, Enter and other control characters).
QString KeyCaption(qint16 code);
