#include "remotecommands.h"

#include "game/figures.h"
#include "game/scoreboardgame.h"
#include "settings/livesettings.h"

#include <QJsonValue>

#include <cmath>
#include <optional>

namespace {

CommandResult refused(const QString &why)
{
    return {false, why};
}

// A JSON number that is a whole number within `minimum`..`maximum`; nullopt for anything else.
std::optional<qint64> wholeNumber(const QJsonValue &value, qint64 minimum, qint64 maximum)
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
    if (adding && amount.isUndefined()) {
        return game.changeFigure(figure->figure, 1) ? CommandResult{true, {}}
                                                    : refused(QStringLiteral("out of range"));
    }
    const auto number = wholeNumber(amount, -1000000, 1000000);
    if (!number) {
        return refused(QStringLiteral("not a whole number"));
    }
    const bool done = adding ? game.changeFigure(figure->figure, *number)
                             : game.setFigure(figure->figure, *number);
    return done ? CommandResult{true, {}} : refused(QStringLiteral("out of range"));
}

CommandResult clockCommand(ScoreboardGame &game, const QJsonObject &command)
{
    const auto minutes = wholeNumber(command.value(QLatin1String("minutes")), 0, 59);
    const auto seconds = wholeNumber(command.value(QLatin1String("seconds")), 0, 59);
    if (!minutes || !seconds) {
        return refused(QStringLiteral("minutes and seconds are whole numbers from 0 to 59"));
    }
    game.setClock(static_cast<qint32>(*minutes * 60 + *seconds));
    return {true, {}};
}

} // namespace

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
    } else {
        return refused(QStringLiteral("unknown command"));
    }
    return {true, {}};
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
    return {
        {QStringLiteral("title"), settings.TitleText},
        {QStringLiteral("home"), settings.HomeText},
        {QStringLiteral("guest"), settings.GuestText},
        {QStringLiteral("clock"), game.clockFace().text},
        {QStringLiteral("running"), game.counting()},
        {QStringLiteral("figures"), figures},
    };
}
