// ScoreboardGame's events: goals kept in step with the scores, cards, their edits, and what the
// operator types after a key.
#include "scoreboardgame.h"

#include "settings/typedkeys.h"

bool ScoreboardGame::addCard(Team, bool, const QString &)
{
    return false;
}

bool ScoreboardGame::editEvent(int, const EventEdit &)
{
    return false;
}

bool ScoreboardGame::removeEvent(int)
{
    return false;
}

void ScoreboardGame::setTeamSheets(const TeamSheet &home, const TeamSheet &visitor)
{
    m_homeSheet = home;
    m_visitorSheet = visitor;
}

bool ScoreboardGame::beginEntry(Entry entry)
{
    if (entry == Entry::AddedTime && !IsPlayingHalf(m_match.phase)) {
        return false;
    }
    m_entry = OpenEntry{entry, {}};
    return true;
}

bool ScoreboardGame::typeEntryKey(short keyAscii)
{
    if (!m_entry) {
        return false;
    }
    const QChar key(static_cast<char16_t>(keyAscii));
    const int longest = m_entry->kind == Entry::AddedTime ? 2 : LongestShirtNumber;
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        if (m_entry->text.size() < longest) {
            m_entry->text += key;
        }
        return true;
    }
    if (keyAscii == KeyCode::Backspace) {
        m_entry->text.chop(1);
        return true;
    }
    const OpenEntry typed = *m_entry;
    m_entry.reset();
    if (keyAscii == KeyCode::Enter) {
        if (typed.kind == Entry::AddedTime && !typed.text.isEmpty()) {
            announceAddedTime(typed.text.toInt());
        }
        return true;
    }
    return keyAscii == KeyCode::Escape || keyAscii == KeyCode::Space;
}
