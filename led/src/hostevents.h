#pragma once

#include <Qt>

// How the digit reports keys and mouse buttons to its host: the classic numbers hosts of such
// controls expect, worked out from Qt's without a widget.
namespace SegmoraHostEvents {

// The virtual-key code of a Qt key: letters and digits are their upper-case character codes,
// the common named keys their usual numbers.
short keyCodeOf(int qtKey);
// Shift 1, Control 2, Alt 4, added up.
short shiftOf(Qt::KeyboardModifiers modifiers);
// Left 1, right 2, middle 4, added up.
short buttonsOf(Qt::MouseButtons buttons);

} // namespace SegmoraHostEvents
