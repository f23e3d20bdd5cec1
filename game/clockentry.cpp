#include "clockentry.h"

#include "game/modsoccer.h"
#include "settings/typedkeys.h"

#include <QCoreApplication>
#include <QStringList>

qint32 ParseClockEntry(const QString &text, qint32 longestMinutes)
{
    if (text.size() > 8) {
        return -1;
    }
    for (const QChar c : text) {
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9'))) {
            return -1;
        }
    }
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > 3) {
        return -1;
    }
    // From the last part back: seconds, minutes, hours; an empty or missing part is 0.
    qint32 values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        values[i] = parts.at(parts.size() - 1 - i).toInt();
    }
    const qint32 seconds = values[0];
    const qint32 minutes = values[1];
    const qint32 hours = values[2];
    const qint32 minutesUpTo = parts.size() > 2 ? 59 : longestMinutes;
    if (seconds > 59 || minutes > minutesUpTo || hours > 99) {
        return -1;
    }
    return minutes * 60 + hours * 3600 + seconds;
}

bool EnterClockKey(ClockEntryTarget &target, const QString &groupName, short keyAscii,
    qint32 maximum, qint32 countUp, int slot, qint32 longestMinutes, QString *refusal)
{
    EntryRecord &entry = target.game.ClockEntry;
    if (entry.owner != groupName) {
        entry.text.clear();
        entry.owner = groupName;
    }
    const QChar key(static_cast<char16_t>(keyAscii));
    if ((key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QLatin1Char('.')) {
        entry.text += key;
    } else if (keyAscii == KeyCode::Space) {
        entry.text.clear();
    }
    if (keyAscii != KeyCode::Enter) {
        return false;
    }
    const qint32 entered = ParseClockEntry(entry.text, longestMinutes);
    if (entered != -1 && entered <= maximum) {
        SetClock(target.game.Clock, ClockSeconds(entered), countUp, slot);
        target.game.LastEnteredTime = entered;
        if (target.showClock) {
            target.showClock(ReadClock(target.game.Clock, target.time, slot));
        }
    } else if (refusal && entered == -1) {
        *refusal = QCoreApplication::translate(
            "ScoreboardGame", "\"%1\" is no time: type minutes, a point and seconds")
                       .arg(entry.text);
    } else if (refusal) {
        const QString shown
            = QStringLiteral("%1:%2").arg(entered / 60).arg(entered % 60, 2, 10, QLatin1Char('0'));
        *refusal
            = QCoreApplication::translate("ScoreboardGame", "%1 is more than the clock can show")
                  .arg(shown);
    }
    entry.text.clear();
    return entered != -1;
}
