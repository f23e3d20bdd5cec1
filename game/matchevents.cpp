#include "matchevents.h"

#include <QRegularExpression>

#include <array>

namespace {

constexpr std::array<std::string_view, EventKindCount> KindNames{
    "goal", "yellow", "secondYellow", "red"};

} // namespace

std::string_view EventKindName(EventKind kind)
{
    return KindNames[static_cast<std::size_t>(kind)];
}

std::optional<EventKind> EventKindNamed(std::string_view name)
{
    for (std::size_t i = 0; i < KindNames.size(); ++i) {
        if (KindNames[i] == name) {
            return static_cast<EventKind>(i);
        }
    }
    return std::nullopt;
}

std::string_view TeamName(Team team)
{
    return team == Team::Home ? "home" : "visitor";
}

std::optional<Team> TeamNamed(std::string_view name)
{
    if (name == "home") {
        return Team::Home;
    }
    if (name == "visitor") {
        return Team::Visitor;
    }
    return std::nullopt;
}

QJsonObject EventJson(const MatchEvent &event)
{
    const auto text = [](std::string_view name) {
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    };
    return {
        {QStringLiteral("id"), event.id},
        {QStringLiteral("kind"), text(EventKindName(event.kind))},
        {QStringLiteral("team"), text(TeamName(event.team))},
        {QStringLiteral("minute"), event.minute},
        {QStringLiteral("phase"), text(PhaseName(event.phase))},
        {QStringLiteral("player"), event.player},
        {QStringLiteral("name"), event.name},
    };
}

bool IsShirtNumber(const QString &player)
{
    if (player.size() > LongestShirtNumber) {
        return false;
    }
    for (const QChar c : player) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

bool SendsOff(EventKind kind)
{
    return kind == EventKind::SecondYellow || kind == EventKind::Red;
}

int SendingOffs(const QList<MatchEvent> &events, Team team)
{
    int count = 0;
    for (const MatchEvent &event : events) {
        count += event.team == team && SendsOff(event.kind) ? 1 : 0;
    }
    return count;
}

TeamSheet::TeamSheet(const QString &text)
{
    static const QRegularExpression line(QStringLiteral("^\\s*(\\d{1,3})[\\s.:,-]+(\\S.*?)\\s*$"));
    for (const QString &row : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(row);
        if (match.hasMatch()) {
            // Leading zeros are not part of a shirt number as typed on the board.
            const QString number = QString::number(match.captured(1).toInt());
            m_players.append({number, match.captured(2).left(60)});
        }
    }
}

QString TeamSheet::nameOf(const QString &player) const
{
    if (player.isEmpty()) {
        return {};
    }
    const QString number = QString::number(player.toInt());
    for (const auto &[shirt, name] : m_players) {
        if (shirt == number) {
            return name;
        }
    }
    return {};
}
