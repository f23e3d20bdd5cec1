#include "remote/remoteevents.h"

#include "game/matchevents.h"
#include "game/scoreboardgame.h"

#include <QJsonValue>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

constexpr qsizetype LongestName = 60;

CommandResult refused(const QString &why)
{
    return {false, why};
}

QByteArray latinOf(const QJsonValue &value)
{
    return value.isString() ? value.toString().toLatin1() : QByteArray();
}

std::optional<Team> teamOf(const QJsonValue &value)
{
    const QByteArray name = latinOf(value);
    return value.isString() ? TeamNamed(std::string_view(name.constData(), size_t(name.size())))
                            : std::nullopt;
}

std::optional<EventKind> kindOf(const QJsonValue &value)
{
    const QByteArray name = latinOf(value);
    return value.isString()
        ? EventKindNamed(std::string_view(name.constData(), size_t(name.size())))
        : std::nullopt;
}

// A shirt number as the events keep it: text of up to three digits, or a whole JSON number from
// 0 to 999 written out, since a program may well send the number as one.
std::optional<QString> shirtNumberOf(const QJsonValue &value)
{
    if (value.isString()) {
        const QString text = value.toString();
        return IsShirtNumber(text) ? std::optional<QString>(text) : std::nullopt;
    }
    const auto number = WholeNumber(value, 0, 999);
    return number ? std::optional<QString>(QString::number(*number)) : std::nullopt;
}

// A name as shown on the board and in the report: a line of text, not too long for either.
std::optional<QString> playerNameOf(const QJsonValue &value)
{
    if (!value.isString()) {
        return std::nullopt;
    }
    const QString text = value.toString();
    const QList<uint> characters = text.toUcs4();
    if (characters.size() > LongestName) {
        return std::nullopt;
    }
    const bool plain = std::none_of(characters.begin(), characters.end(), [](uint c) {
        const auto category = QChar::category(char32_t(c));
        return category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph;
    });
    return plain ? std::optional<QString>(text) : std::nullopt;
}

// The id of an event the game has; nullopt for anything else.
std::optional<int> eventOf(const ScoreboardGame &game, const QJsonValue &value)
{
    const auto id = WholeNumber(value, 1, std::numeric_limits<int>::max());
    if (!id) {
        return std::nullopt;
    }
    const QList<MatchEvent> &events = game.events();
    const bool known = std::any_of(
        events.begin(), events.end(), [&](const MatchEvent &event) { return event.id == *id; });
    return known ? std::optional<int>(static_cast<int>(*id)) : std::nullopt;
}

const QString TeamRefusal = QStringLiteral("team is \"home\" or \"visitor\"");
const QString PlayerRefusal = QStringLiteral("player is a shirt number of up to 3 digits");
const QString UnknownEvent = QStringLiteral("unknown event");

CommandResult cardCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const std::optional<Team> team = teamOf(command.value(QLatin1String("team")));
    if (!team) {
        return refused(TeamRefusal);
    }
    const QJsonValue colour = command.value(QLatin1String("colour"));
    if (colour != QLatin1String("yellow") && colour != QLatin1String("red")) {
        return refused(QStringLiteral("colour is \"yellow\" or \"red\""));
    }
    const QJsonValue given = command.value(QLatin1String("player"));
    const std::optional<QString> player
        = given.isUndefined() ? std::optional<QString>(QString()) : shirtNumberOf(given);
    if (!player) {
        return refused(PlayerRefusal);
    }
    return game.addCard(*team, colour == QLatin1String("red"), *player)
        ? CommandResult{true, {}}
        : refused(QStringLiteral("the card cannot be given now"));
}

CommandResult editEventCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const std::optional<int> id = eventOf(game, command.value(QLatin1String("id")));
    if (!id) {
        return refused(UnknownEvent);
    }
    ScoreboardGame::EventEdit edit;
    const auto field = [&](const char *name) { return command.value(QLatin1String(name)); };
    if (const QJsonValue kind = field("kind"); !kind.isUndefined()) {
        edit.kind = kindOf(kind);
        if (!edit.kind) {
            return refused(QStringLiteral(R"(kind is "goal", "yellow", "secondYellow" or "red")"));
        }
    }
    if (const QJsonValue team = field("team"); !team.isUndefined()) {
        edit.team = teamOf(team);
        if (!edit.team) {
            return refused(TeamRefusal);
        }
    }
    if (const QJsonValue minute = field("minute"); !minute.isUndefined()) {
        if (!minute.isString() || !IsMatchMinute(minute.toString())) {
            return refused(QStringLiteral("minute is written like 23' or 45+2'"));
        }
        edit.minute = minute.toString();
    }
    if (const QJsonValue player = field("player"); !player.isUndefined()) {
        edit.player = shirtNumberOf(player);
        if (!edit.player) {
            return refused(PlayerRefusal);
        }
    }
    if (const QJsonValue name = field("name"); !name.isUndefined()) {
        edit.name = playerNameOf(name);
        if (!edit.name) {
            return refused(
                QStringLiteral("name is a text of up to 60 characters without control characters"));
        }
    }
    if (!edit.kind && !edit.team && !edit.minute && !edit.player && !edit.name) {
        return refused(QStringLiteral("editEvent takes kind, team, minute, player or name"));
    }
    return game.editEvent(*id, edit) ? CommandResult{true, {}}
                                     : refused(QStringLiteral("the event cannot take that change"));
}

CommandResult removeEventCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const std::optional<int> id = eventOf(game, command.value(QLatin1String("id")));
    if (!id) {
        return refused(UnknownEvent);
    }
    return game.removeEvent(*id) ? CommandResult{true, {}}
                                 : refused(QStringLiteral("the event cannot be removed now"));
}

} // namespace

std::optional<CommandResult> RunEventCommand(
    ScoreboardGame &game, const QString &name, const QJsonObject &command)
{
    if (name == QLatin1String("card")) {
        return cardCommand(game, command);
    }
    if (name == QLatin1String("editEvent")) {
        return editEventCommand(game, command);
    }
    if (name == QLatin1String("removeEvent")) {
        return removeEventCommand(game, command);
    }
    return std::nullopt;
}

QJsonArray RemoteEvents(const ScoreboardGame &game)
{
    QJsonArray events;
    for (const MatchEvent &event : game.events()) {
        events.append(EventJson(event));
    }
    return events;
}

QJsonObject RemoteSendingOffs(const ScoreboardGame &game)
{
    return {{QStringLiteral("home"), game.sendingOffs(Team::Home)},
        {QStringLiteral("visitor"), game.sendingOffs(Team::Visitor)}};
}

bool IsMatchMinute(const QString &minute)
{
    // Minutes from 1 (extra time reaches 120), and up to 99 of added time beyond a half's end.
    static const QRegularExpression notation(QStringLiteral("^[1-9][0-9]{0,2}(\\+[1-9][0-9]?)?'$"));
    return minute.isEmpty() || notation.match(minute).hasMatch();
}
