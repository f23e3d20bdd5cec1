#include "remotecommands.h"

#include "game/figures.h"
#include "game/overlaystate.h"
#include "game/scoreboardgame.h"
#include "remote/remoteevents.h"
#include "settings/livesettings.h"
#include "settings/teamidentity.h"

#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

CommandResult refused(const QString &why)
{
    return {false, why};
}

const FigureInfo *counterKeyed(const QJsonValue &value)
{
    if (!value.isString()) {
        return nullptr;
    }
    const QByteArray key = value.toString().toLatin1();
    const FigureInfo *figure = FigureKeyed(std::string_view(key.constData(), size_t(key.size())));
    return figure && !figure->isClock ? figure : nullptr;
}

CommandResult figureCommand(ScoreboardGame &game, const QJsonObject &command, bool adding)
{
    const FigureInfo *figure = counterKeyed(command.value(QLatin1String("figure")));
    if (!figure) {
        return refused(QStringLiteral("unknown figure"));
    }
    const QJsonValue amount = command.value(QLatin1String(adding ? "by" : "value"));
    const auto number = adding && amount.isUndefined() ? std::optional<qint64>(1)
                                                       : WholeNumber(amount, -1000000, 1000000);
    if (!number) {
        return refused(QStringLiteral("not a whole number"));
    }
    const qint64 wanted = adding ? game.value(figure->figure) + *number : *number;
    if (!game.setFigure(figure->figure, wanted)) {
        return refused(FigureLimitRefusal(game, figure->figure, wanted));
    }
    return {true, {}};
}

CommandResult clockCommand(ScoreboardGame &game, const QJsonObject &command)
{
    // A match that counts up reaches extra time's end; a countdown stays within the hour.
    const bool up = game.countsUp();
    const auto minutes = WholeNumber(
        command.value(QLatin1String("minutes")), 0, up ? LongestMatchClockMinutes : 59);
    const auto seconds = WholeNumber(command.value(QLatin1String("seconds")), 0, 59);
    // The page shows these refusals through its catalogue, which holds them word for word.
    static_assert(LongestMatchClockMinutes == 120);
    const QString why = up
        ? QStringLiteral("the clock takes whole minutes and seconds from 0:00 to 120:00")
        : QStringLiteral("minutes and seconds are whole numbers from 0 to 59");
    if (!minutes || !seconds || !game.setClock(static_cast<qint32>(*minutes * 60 + *seconds))) {
        return refused(why);
    }
    return {true, {}};
}

// Fills `field` of the format from the command when it is there; a value that is no whole
// number takes one the format refuses, so that the refusal names the field and its range.
void takeMinutes(const QJsonObject &command, const char *name, int &field)
{
    const QJsonValue value = command.value(QLatin1String(name));
    if (!value.isUndefined()) {
        field = static_cast<int>(WholeNumber(value, -1, 1000).value_or(-1));
    }
}

CommandResult matchFormatCommand(ScoreboardGame &game, const QJsonObject &command)
{
    static const char *const Fields[]
        = {"clock", "halfMinutes", "breakMinutes", "extraTimeMinutes", "penalties"};
    if (std::none_of(std::begin(Fields), std::end(Fields),
            [&](const char *field) { return command.contains(QLatin1String(field)); })) {
        return refused(QStringLiteral(
            "matchFormat takes clock, halfMinutes, breakMinutes, extraTimeMinutes or penalties"));
    }
    MatchFormat format = game.match().format;
    const QJsonValue clock = command.value(QLatin1String("clock"));
    if (clock == QLatin1String("up") || clock == QLatin1String("down")) {
        format.clock = clock == QLatin1String("up") ? ClockDirection::Up : ClockDirection::Down;
    } else if (!clock.isUndefined()) {
        return refused(QStringLiteral("clock is \"up\" or \"down\""));
    }
    const QJsonValue penalties = command.value(QLatin1String("penalties"));
    if (penalties.isBool()) {
        format.penalties = penalties.toBool();
    } else if (!penalties.isUndefined()) {
        return refused(QStringLiteral("penalties is true or false"));
    }
    takeMinutes(command, "halfMinutes", format.halfMinutes);
    takeMinutes(command, "breakMinutes", format.breakMinutes);
    takeMinutes(command, "extraTimeMinutes", format.extraTimeMinutes);
    if (const std::optional<QString> why = MatchFormatRefusal(format)) {
        return refused(*why);
    }
    return game.setMatchFormat(format)
        ? CommandResult{true, {}}
        : refused(QStringLiteral("the match format cannot change now"));
}

CommandResult nextPhaseCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const QJsonValue named = command.value(QLatin1String("to"));
    std::optional<Phase> to;
    if (!named.isUndefined()) {
        const QByteArray name = named.toString().toLatin1();
        to = PhaseNamed(std::string_view(name.constData(), size_t(name.size())));
        if (!named.isString() || !to) {
            return refused(QStringLiteral("unknown phase"));
        }
    }
    if (game.nextPhase(to)) {
        return {true, {}};
    }
    if (to == game.match().phase) {
        return refused(QStringLiteral("the match is in that phase already"));
    }
    return refused(game.match().phase == Phase::FullTime
            ? QStringLiteral("the match is over")
            : QStringLiteral("the phase cannot change now"));
}

CommandResult addedTimeCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const auto minutes
        = WholeNumber(command.value(QLatin1String("minutes")), 0, LongestAddedMinutes);
    if (!minutes) {
        static_assert(LongestAddedMinutes == 30);
        return refused(QStringLiteral("minutes is a whole number from 0 to 30"));
    }
    if (!IsPlayingHalf(game.match().phase) || !game.announceAddedTime(static_cast<int>(*minutes))) {
        return refused(QStringLiteral("added time is announced only in a playing half"));
    }
    return {true, {}};
}

CommandResult penaltyCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const QJsonValue named = command.value(QLatin1String("team"));
    if (named != QLatin1String("home") && named != QLatin1String("visitor")) {
        return refused(QStringLiteral("team is \"home\" or \"visitor\""));
    }
    const QJsonValue scored = command.value(QLatin1String("scored"));
    if (!scored.isBool()) {
        return refused(QStringLiteral("scored is true or false"));
    }
    if (game.match().phase != Phase::Penalties) {
        return refused(QStringLiteral("penalties are taken only in the shoot-out"));
    }
    const Team team = named == QLatin1String("home") ? Team::Home : Team::Visitor;
    return game.penaltyKick(team, scored.toBool())
        ? CommandResult{true, {}}
        : refused(QStringLiteral("it is not that team's kick"));
}

QJsonArray kicksOf(const Shootout &shootout, Team team)
{
    QJsonArray kicks;
    for (const bool scored : shootout.kicks(team)) {
        kicks.append(scored);
    }
    return kicks;
}

QString nameOf(Phase phase)
{
    const std::string_view name = PhaseName(phase);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The clock's value as last measured (at the latest tick), in milliseconds. Counting up, the
// face holds at the half's end while the added time is played: that goes on top.
qint64 clockMilliseconds(const ScoreboardGame &game)
{
    const ClockFace &face = game.clockFace();
    qint64 ms = face.value * 1000 / ClockUnitsPerSecond;
    if (game.countsUp() && IsPlayingHalf(game.match().phase)) {
        ms += game.addedPlayed() * 1000;
    }
    return ms;
}

QJsonObject teamOf(const QString &name, const QString &shortName, const QString &fallback,
    qint32 main, qint32 second)
{
    return {{QStringLiteral("name"), name},
        {QStringLiteral("short"), TeamShortName(shortName, name, fallback)},
        {QStringLiteral("main"), QString(u'#' + ColourHex(main))},
        {QStringLiteral("second"), QString(u'#' + ColourHex(second))}};
}

} // namespace

QString FigureLimitRefusal(const ScoreboardGame &game, Figure figure, qint64 value)
{
    const bool above = value > game.maximum(figure);
    const int limit = above ? game.maximum(figure) : InfoOf(figure).minimum;
    const char *words = nullptr;
    switch (figure) {
    case Figure::ScoreH:
    case Figure::ScoreV:
        words = above ? "the score goes up to %1" : "the score does not go below %1";
        break;
    case Figure::Period:
        words = above ? "the period goes up to %1" : "the period does not go below %1";
        break;
    case Figure::ShotsH:
    case Figure::ShotsV:
        words = above ? "shots go up to %1" : "shots do not go below %1";
        break;
    case Figure::CKH:
    case Figure::CKV:
        words = above ? "corner kicks go up to %1" : "corner kicks do not go below %1";
        break;
    case Figure::SavesH:
    case Figure::SavesV:
        words = above ? "saves go up to %1" : "saves do not go below %1";
        break;
    case Figure::Time:
        return QStringLiteral("unknown figure");
    }
    return QString::fromLatin1(words).arg(limit);
}

std::optional<qint64> WholeNumber(const QJsonValue &value, qint64 minimum, qint64 maximum)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number) || number < double(minimum)
        || number > double(maximum)) {
        return std::nullopt;
    }
    return static_cast<qint64>(number);
}

CommandResult RunRemoteCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const QString name = command.value(QLatin1String("command")).toString();
    if (name == QLatin1String("startStop")) {
        game.startStopClock();
    } else if (name == QLatin1String("start") || name == QLatin1String("stop")) {
        if (game.counting() != (name == QLatin1String("start"))) {
            game.startStopClock();
        }
    } else if (name == QLatin1String("reset")) {
        game.resetClock();
    } else if (name == QLatin1String("buzzer")) {
        game.soundBuzzer();
    } else if (name == QLatin1String("set") || name == QLatin1String("add")) {
        return figureCommand(game, command, name == QLatin1String("add"));
    } else if (name == QLatin1String("clock")) {
        return clockCommand(game, command);
    } else if (name == QLatin1String("matchFormat")) {
        return matchFormatCommand(game, command);
    } else if (name == QLatin1String("nextPhase")) {
        return nextPhaseCommand(game, command);
    } else if (name == QLatin1String("addedTime")) {
        return addedTimeCommand(game, command);
    } else if (name == QLatin1String("penalty")) {
        return penaltyCommand(game, command);
    } else if (auto event = RunEventCommand(game, name, command)) {
        return *event;
    } else {
        return refused(QStringLiteral("unknown command"));
    }
    return {true, {}};
}

std::optional<CommandResult> RunOverlayCommand(OverlayState &overlay, const QJsonObject &command)
{
    const QString name = command.value(QLatin1String("command")).toString();
    if (name == QLatin1String("goalPopup")) {
        return overlay.fireGoalPopup() ? CommandResult{true, {}}
                                       : refused(QStringLiteral("there is no goal to show"));
    }
    if (name != QLatin1String("overlay")) {
        return std::nullopt;
    }
    const QJsonValue named = command.value(QLatin1String("panel"));
    const QByteArray key = named.toString().toLatin1();
    const std::optional<OverlayPanel> panel
        = OverlayPanelNamed(std::string_view(key.constData(), size_t(key.size())));
    if (!named.isString() || !panel) {
        return refused(QStringLiteral("unknown panel"));
    }
    const QJsonValue visible = command.value(QLatin1String("visible"));
    if (!visible.isBool()) {
        return refused(QStringLiteral("visible is true or false"));
    }
    overlay.setVisible(*panel, visible.toBool());
    return CommandResult{true, {}};
}

QJsonObject RemoteState(const ScoreboardGame &game, const LiveSettings &settings)
{
    QJsonObject figures;
    for (const FigureInfo &info : Figures) {
        if (!info.isClock) {
            figures.insert(QLatin1String(info.key.data(), qsizetype(info.key.size())),
                game.value(info.figure));
        }
    }
    const MatchState &match = game.match();
    const MatchFormat &format = match.format;
    QJsonObject state{
        {QStringLiteral("title"), settings.TitleText},
        {QStringLiteral("home"), settings.HomeText},
        {QStringLiteral("guest"), settings.GuestText},
        {QStringLiteral("clock"), game.clockFace().text},
        {QStringLiteral("running"), game.counting()},
        {QStringLiteral("figures"), figures},
        {QStringLiteral("match"),
            QJsonObject{
                {QStringLiteral("clock"),
                    format.clock == ClockDirection::Up ? QStringLiteral("up")
                                                       : QStringLiteral("down")},
                {QStringLiteral("halfMinutes"), format.halfMinutes},
                {QStringLiteral("breakMinutes"), format.breakMinutes},
                {QStringLiteral("extraTimeMinutes"), format.extraTimeMinutes},
                {QStringLiteral("penalties"), format.penalties},
            }},
        {QStringLiteral("phase"), nameOf(match.phase)},
        {QStringLiteral("addedTime"), match.addedMinutes},
        {QStringLiteral("addedPlayed"), game.addedPlayed()},
        {QStringLiteral("matchMinute"), game.matchMinute()},
        {QStringLiteral("sendingOffs"), RemoteSendingOffs(game)},
        {QStringLiteral("clockMs"), clockMilliseconds(game)},
        // The direction the clock runs now: a break of a match counting up counts down.
        {QStringLiteral("countsUp"), game.countsUp() && !IsBreak(match.phase)},
        {QStringLiteral("teams"),
            QJsonObject{{QStringLiteral("home"),
                            teamOf(settings.HomeText, settings.HomeShort, QStringLiteral("HOME"),
                                settings.HomeMainColor, settings.HomeSecondColor)},
                {QStringLiteral("visitor"),
                    teamOf(settings.GuestText, settings.GuestShort, QStringLiteral("AWAY"),
                        settings.GuestMainColor, settings.GuestSecondColor)}}},
    };
    const bool kicked = !match.shootout.kicks(Team::Home).isEmpty()
        || !match.shootout.kicks(Team::Visitor).isEmpty();
    if (match.phase == Phase::Penalties || (match.phase == Phase::FullTime && kicked)) {
        state.insert(QStringLiteral("shootout"),
            QJsonObject{{QStringLiteral("home"), kicksOf(match.shootout, Team::Home)},
                {QStringLiteral("visitor"), kicksOf(match.shootout, Team::Visitor)}});
    }
    return state;
}
