// ScoreboardGame's events: goals kept in step with the scores, cards, their edits, and what the
// operator types after a key.
#include "scoreboardgame.h"

#include "game/timesource.h"
#include "settings/typedkeys.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

Figure ScoreOf(Team team)
{
    return team == Team::Home ? Figure::ScoreH : Figure::ScoreV;
}

// A minute as the events keep it: "23'", "45+2'", or empty.
bool IsMinute(const QString &minute)
{
    static const QRegularExpression notation(QStringLiteral("^\\d{1,3}(\\+\\d{1,2})?'$"));
    return minute.isEmpty() || notation.match(minute).hasMatch();
}

bool IsName(const QString &name)
{
    if (name.size() > 60) {
        return false;
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

} // namespace

ScoreboardGame::EventsSnapshot ScoreboardGame::eventsSnapshot() const
{
    return {m_match.events, m_match.nextEventId, figureValue(Figure::ScoreH),
        figureValue(Figure::ScoreV)};
}

void ScoreboardGame::applyEventsSnapshot(const EventsSnapshot &snapshot)
{
    const EventsSnapshot before = eventsSnapshot();
    m_match.events = snapshot.events;
    m_match.nextEventId = snapshot.nextEventId;
    setValue(Figure::ScoreH, snapshot.home);
    setValue(Figure::ScoreV, snapshot.visitor);
    announceEvents(before);
}

void ScoreboardGame::announceEvents(const EventsSnapshot &before)
{
    Q_EMIT matchChanged();
    // A score that moved was announced with its figure; readers hear of a change once.
    if (before.home == figureValue(Figure::ScoreH)
        && before.visitor == figureValue(Figure::ScoreV)) {
        Q_EMIT changed();
    }
}

bool ScoreboardGame::recordEventsChange(const std::function<bool()> &change)
{
    const EventsSnapshot before = eventsSnapshot();
    if (!change()) {
        applyEventsSnapshot(before);
        return false;
    }
    const EventsSnapshot after = eventsSnapshot();
    if (after != before) {
        m_history.record({[this, before] { applyEventsSnapshot(before); },
            [this, after] { applyEventsSnapshot(after); }});
        announceEvents(before);
    }
    saveJournal();
    return true;
}

MatchEvent ScoreboardGame::newEvent(EventKind kind, Team team, const QString &player)
{
    MatchEvent event;
    event.id = m_match.nextEventId++;
    event.kind = kind;
    event.team = team;
    event.minute = matchMinute();
    event.phase = m_match.phase;
    event.player = player;
    event.name = (team == Team::Home ? m_homeSheet : m_visitorSheet).nameOf(player);
    event.wallClock = m_time.wallClockMilliseconds();
    return event;
}

void ScoreboardGame::followScore(Team team, int delta)
{
    for (; delta > 0; --delta) {
        m_match.events.append(newEvent(EventKind::Goal, team, {}));
    }
    for (auto it = m_match.events.end(); delta < 0 && it != m_match.events.begin();) {
        --it;
        if (it->kind == EventKind::Goal && it->team == team) {
            it = m_match.events.erase(it);
            ++delta;
        }
    }
}

bool ScoreboardGame::addCard(Team team, bool red, const QString &player)
{
    if (!IsShirtNumber(player)) {
        return false;
    }
    return recordEventsChange([&] {
        EventKind kind = red ? EventKind::Red : EventKind::Yellow;
        if (!red && !player.isEmpty()) {
            for (const MatchEvent &event : std::as_const(m_match.events)) {
                if (event.team == team && event.player == player && event.kind != EventKind::Goal) {
                    // Booked before: a second yellow, unless already sent off.
                    kind = SendsOff(event.kind) ? EventKind::Yellow : EventKind::SecondYellow;
                }
            }
        }
        m_match.events.append(newEvent(kind, team, player));
        return true;
    });
}

bool ScoreboardGame::editEvent(int id, const EventEdit &edit)
{
    const auto found = std::find_if(m_match.events.cbegin(), m_match.events.cend(),
        [id](const MatchEvent &event) { return event.id == id; });
    if (found == m_match.events.cend() || (edit.minute && !IsMinute(*edit.minute))
        || (edit.player && !IsShirtNumber(*edit.player)) || (edit.name && !IsName(*edit.name))) {
        return false;
    }
    const qsizetype index = found - m_match.events.cbegin();
    return recordEventsChange([&] {
        MatchEvent &event = m_match.events[index];
        const MatchEvent before = event;
        event.kind = edit.kind.value_or(event.kind);
        event.team = edit.team.value_or(event.team);
        event.minute = edit.minute.value_or(event.minute);
        if (edit.player) {
            event.player = *edit.player;
            if (!edit.name) {
                event.name = (event.team == Team::Home ? m_homeSheet : m_visitorSheet)
                                 .nameOf(event.player);
            }
        }
        event.name = edit.name.value_or(event.name);
        // A goal that moves or stops being one takes its point with it.
        const auto point = [this](Team team, int delta) {
            const int value = this->value(ScoreOf(team)) + delta;
            if (value < 0 || value > maximum(ScoreOf(team))) {
                return false;
            }
            setValue(ScoreOf(team), {value, false});
            return true;
        };
        bool ok = true;
        if (before.kind == EventKind::Goal) {
            ok = point(before.team, -1);
        }
        if (ok && event.kind == EventKind::Goal) {
            ok = point(event.team, +1);
        }
        return ok;
    });
}

bool ScoreboardGame::removeEvent(int id)
{
    const auto found = std::find_if(m_match.events.cbegin(), m_match.events.cend(),
        [id](const MatchEvent &event) { return event.id == id; });
    if (found == m_match.events.cend()) {
        return false;
    }
    const MatchEvent removed = *found;
    return recordEventsChange([&] {
        m_match.events.removeIf([id](const MatchEvent &event) { return event.id == id; });
        if (removed.kind == EventKind::Goal) {
            const Figure score = ScoreOf(removed.team);
            setValue(score, {std::max(0, value(score) - 1), false});
        }
        return true;
    });
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
        } else {
            Q_EMIT refused(m_entry->kind == Entry::AddedTime
                    ? tr("Added time goes up to %1 minutes").arg(LongestAddedMinutes)
                    : tr("A shirt number has at most %1 digits").arg(LongestShirtNumber));
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
        const QString refusal = commitEntry(typed.kind, typed.text);
        if (!refusal.isEmpty()) {
            Q_EMIT refused(refusal);
        }
        return true;
    }
    return keyAscii == KeyCode::Escape || keyAscii == KeyCode::Space;
}

QString ScoreboardGame::commitEntry(Entry entry, const QString &text)
{
    switch (entry) {
    case Entry::AddedTime:
        if (!text.isEmpty() && !announceAddedTime(text.toInt())) {
            return IsPlayingHalf(m_match.phase)
                ? tr("Added time goes up to %1 minutes").arg(LongestAddedMinutes)
                : tr("Added time is announced during a half");
        }
        break;
    case Entry::Scorer:
        // The latest goal, whichever team scored it.
        for (auto it = m_match.events.crbegin(); it != m_match.events.crend(); ++it) {
            if (it->kind == EventKind::Goal) {
                if (!text.isEmpty()) {
                    EventEdit edit;
                    edit.player = QString::number(text.toInt());
                    editEvent(it->id, edit);
                }
                return {};
            }
        }
        return tr("There is no goal to name a scorer for");
    case Entry::HomeYellow:
    case Entry::VisitorYellow:
    case Entry::HomeRed:
    case Entry::VisitorRed: {
        const Team team
            = entry == Entry::HomeYellow || entry == Entry::HomeRed ? Team::Home : Team::Visitor;
        const bool red = entry == Entry::HomeRed || entry == Entry::VisitorRed;
        addCard(team, red, text.isEmpty() ? text : QString::number(text.toInt()));
        break;
    }
    }
    return {};
}
