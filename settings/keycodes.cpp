#include "keycodes.h"

#include <QCoreApplication>

#include <algorithm>

bool IsReservedKey(qint16 code)
{
    return std::find(ReservedKeyCodes.begin(), ReservedKeyCodes.end(), code)
        != ReservedKeyCodes.end();
}

bool MayBindKey(qint16 code, qint16 current, const KeyBindings &taken)
{
    if (code == current) {
        return true;
    }
    const bool isTaken = std::find(taken.begin(), taken.end(), code) != taken.end();
    return !isTaken && !IsReservedKey(code);
}

QString KeyCaption(qint16 code)
{
    const auto unit = static_cast<char16_t>(static_cast<quint16>(code));
    switch (unit) {
    case 8:
        return QCoreApplication::translate("KeyNames", "Backspace");
    case 9:
        return QCoreApplication::translate("KeyNames", "Tab");
    case 13:
        return QCoreApplication::translate("KeyNames", "Enter");
    case 27:
        return QCoreApplication::translate("KeyNames", "Esc");
    case 32:
        return QCoreApplication::translate("KeyNames", "Space");
    case 127:
        return QCoreApplication::translate("KeyNames", "Delete");
    default:
        break;
    }
    const QChar character(unit);
    if (character.isPrint() && !character.isSpace()) {
        return QString(character);
    }
    // A code that came from the store but shows nothing as a character.
    return QLatin1Char('#') + QString::number(static_cast<quint16>(code));
}
