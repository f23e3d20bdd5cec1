#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Keys are compared as the 16-bit character codes that a key press types.

namespace KeyCode {
inline constexpr qint16 Backspace = 8;
inline constexpr qint16 Enter = 13;
inline constexpr qint16 Escape = 27;
inline constexpr qint16 Space = 32;
inline constexpr qint16 Plus = 43;
inline constexpr qint16 Minus = 45;
inline constexpr qint16 Point = 46;
inline constexpr qint16 Equals = 61;
inline constexpr qint16 Help = 104; // h
inline constexpr qint16 Options = 111; // o
inline constexpr qint16 SaveReport = 109; // m
} // namespace KeyCode

// The codes of what a key press typed (QKeyEvent::text()), in order; none for a key that types
// nothing.
inline QList<qint16> TypedKeyCodes(const QString &text)
{
    QList<qint16> codes;
    codes.reserve(text.size());
    for (const QChar ch : text) {
        codes << static_cast<qint16>(ch.unicode());
    }
    return codes;
}
