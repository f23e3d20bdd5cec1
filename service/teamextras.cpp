#include "teamextras.h"

#include "boardquery.h"

#include <QJsonValue>
#include <QList>

#include <algorithm>
#include <cctype>

namespace websb {

namespace {

namespace wire = websbprotocol;

std::string key(std::size_t index)
{
    return std::string(wire::TeamKeys[index]);
}

enum Slot : std::size_t {
    HomeSendingOffs,
    VisitorSendingOffs,
    Language,
    HomeShort,
    VisitorShort,
    HomeMain,
    HomeSecond,
    VisitorMain,
    VisitorSecond,
    ClockRun
};

bool isShortName(const std::string &name)
{
    const QList<uint> points = QString::fromStdString(name).toUcs4();
    return !points.isEmpty() && std::size_t(points.size()) <= wire::MaxShortNameLength
        && std::all_of(points.begin(), points.end(),
            [](uint c) { return QChar::isLetterOrNumber(char32_t(c)); });
}

bool isColour(const std::string &colour)
{
    return colour.size() == wire::ColourLength
        && std::all_of(colour.begin(), colour.end(),
            [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

bool isLanguage(const std::string &code)
{
    return code.size() == 2
        && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The minute an upward clock holds at, or none when `run` says something else.
std::optional<int> holdMinute(const std::string &run)
{
    const std::string_view prefix = wire::ClockCountsUpTo;
    if (run.compare(0, prefix.size(), prefix) != 0) {
        return std::nullopt;
    }
    const std::string minute = run.substr(prefix.size());
    const BoardField field{wire::ClockRunKey, FieldKind::Number, wire::LongestClockMinutes};
    if (minute.empty() || minute == "0" || !isValidValue(field, minute)) {
        return std::nullopt;
    }
    return std::stoi(minute);
}

bool isClockRun(const std::string &run)
{
    return run == wire::ClockStands || run == wire::ClockCountsDown
        || run == wire::ClockCountsDownInSeconds || holdMinute(run).has_value();
}

std::string sendingOffsRule(std::size_t slot)
{
    return key(slot) + " must be a number from 0 to " + std::to_string(wire::MaxSendingOffs);
}

QString colourJson(const std::string &colour)
{
    return QStringLiteral("#") + QString::fromStdString(colour);
}

QJsonObject sideJson(const TeamSide &side)
{
    return {{QStringLiteral("short"), QString::fromStdString(side.shortName)},
        {QStringLiteral("main"), colourJson(side.mainColour)},
        {QStringLiteral("second"), colourJson(side.secondColour)},
        {QStringLiteral("sendingOffs"), side.sendingOffs}};
}

std::optional<TeamSide> sideFromJson(const QJsonValue &value)
{
    const QJsonObject side = value.toObject();
    const QJsonValue shortName = side.value(QStringLiteral("short"));
    const QJsonValue offs = side.value(QStringLiteral("sendingOffs"));
    const QString main = side.value(QStringLiteral("main")).toString();
    const QString second = side.value(QStringLiteral("second")).toString();
    if (!value.isObject() || !shortName.isString() || !offs.isDouble()
        || offs.toDouble() != offs.toInt() || !main.startsWith(QLatin1Char('#'))
        || !second.startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    return TeamSide{offs.toInt(), shortName.toString().toStdString(), main.mid(1).toStdString(),
        second.mid(1).toStdString()};
}

} // namespace

std::string teamsProblem(const TeamExtras &teams)
{
    const auto sideProblem = [](const TeamSide &side, std::size_t offs, std::size_t shortName,
                                 std::size_t main, std::size_t second) -> std::string {
        if (side.sendingOffs < 0 || side.sendingOffs > wire::MaxSendingOffs) {
            return sendingOffsRule(offs);
        }
        if (!isShortName(side.shortName)) {
            return key(shortName) + " must be 1 to " + std::to_string(wire::MaxShortNameLength)
                + " letters or digits";
        }
        for (const auto &[colour, slot] :
            {std::pair{&side.mainColour, main}, {&side.secondColour, second}}) {
            if (!isColour(*colour) || lower(*colour) != *colour) {
                return key(slot) + " must be a colour of six hexadecimal digits, rrggbb";
            }
        }
        return {};
    };
    std::string problem = sideProblem(teams.home, HomeSendingOffs, HomeShort, HomeMain, HomeSecond);
    if (problem.empty()) {
        problem = sideProblem(
            teams.visitor, VisitorSendingOffs, VisitorShort, VisitorMain, VisitorSecond);
    }
    if (problem.empty() && !isLanguage(teams.language)) {
        problem = key(Language) + " must be a language code of two lower-case letters";
    }
    if (problem.empty() && !isClockRun(teams.clockRun)) {
        problem = key(ClockRun)
            + " must be 0, down, down:seconds, or up: and the minute the clock holds at";
    }
    return problem;
}

TeamReading readTeamFields(const TeamFieldsSeen &seen)
{
    TeamReading reading;
    std::string missing;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        if (!seen[i]) {
            missing += missing.empty() ? "" : ", ";
            missing += wire::TeamKeys[i];
        }
    }
    if (std::none_of(
            seen.begin(), seen.end(), [](const auto &field) { return field.has_value(); })) {
        return reading; // a board that publishes no teams
    }
    if (!missing.empty()) {
        reading.error = "missing " + missing + ": the teams' fields come together";
        return reading;
    }
    const BoardField offs{wire::HomeSendingOffsKey, FieldKind::Number, wire::MaxSendingOffs};
    for (std::size_t slot : {HomeSendingOffs, VisitorSendingOffs}) {
        if (seen[slot]->empty() || !isValidValue(offs, *seen[slot])) {
            reading.error = sendingOffsRule(slot);
            return reading;
        }
    }
    // A colour in upper case is the same colour; anything else is left for teamsProblem.
    const auto colour = [&seen](std::size_t slot) {
        return isColour(*seen[slot]) ? lower(*seen[slot]) : *seen[slot];
    };
    TeamExtras teams{
        {std::stoi(*seen[HomeSendingOffs]), *seen[HomeShort], colour(HomeMain), colour(HomeSecond)},
        {std::stoi(*seen[VisitorSendingOffs]), *seen[VisitorShort], colour(VisitorMain),
            colour(VisitorSecond)},
        *seen[Language], *seen[ClockRun]};
    reading.error = teamsProblem(teams);
    if (reading.ok()) {
        reading.teams = std::move(teams);
    }
    return reading;
}

void insertTeams(QJsonObject &page, const TeamExtras &teams)
{
    page.insert(QStringLiteral("language"), QString::fromStdString(teams.language));
    QJsonObject clock{{QStringLiteral("runs"), teams.clockRun != wire::ClockStands}};
    if (const auto hold = holdMinute(teams.clockRun)) {
        clock.insert(QStringLiteral("counts"), QStringLiteral("up"));
        clock.insert(QStringLiteral("holdsAt"), *hold);
    } else if (teams.clockRun != wire::ClockStands) {
        clock.insert(QStringLiteral("counts"), QStringLiteral("down"));
        clock.insert(QStringLiteral("tenths"), teams.clockRun == wire::ClockCountsDown);
    }
    page.insert(QStringLiteral("clock"), clock);
    page.insert(QStringLiteral("teams"),
        QJsonObject{{QStringLiteral("home"), sideJson(teams.home)},
            {QStringLiteral("visitor"), sideJson(teams.visitor)}});
}

bool teamsFromJson(const QJsonObject &page, std::optional<TeamExtras> &teams, QString &error)
{
    const QJsonValue sides = page.value(QStringLiteral("teams"));
    if (sides.isUndefined()) {
        teams.reset();
        return true;
    }
    const auto home = sideFromJson(sides.toObject().value(QStringLiteral("home")));
    const auto visitor = sideFromJson(sides.toObject().value(QStringLiteral("visitor")));
    const QJsonValue language = page.value(QStringLiteral("language"));
    const QJsonObject clock = page.value(QStringLiteral("clock")).toObject();
    const QJsonValue runs = clock.value(QStringLiteral("runs"));
    const QString counts = clock.value(QStringLiteral("counts")).toString();
    const QJsonValue holdsAt = clock.value(QStringLiteral("holdsAt"));
    const QJsonValue tenths = clock.value(QStringLiteral("tenths"));
    if (!home || !visitor || !language.isString() || !runs.isBool()
        || (counts == QLatin1String("up") && !holdsAt.isDouble())
        || (counts == QLatin1String("down") && !tenths.isBool())) {
        error = QStringLiteral("teams, language or clock is of the wrong type");
        return false;
    }
    std::string run(wire::ClockStands);
    if (runs.toBool() && counts == QLatin1String("down")) {
        run = tenths.toBool() ? wire::ClockCountsDown : wire::ClockCountsDownInSeconds;
    } else if (runs.toBool() && counts == QLatin1String("up")) {
        run = std::string(wire::ClockCountsUpTo) + std::to_string(holdsAt.toInt());
    } else if (runs.toBool()) {
        error = QStringLiteral("clock.counts is neither up nor down");
        return false;
    }
    TeamExtras read{*home, *visitor, language.toString().toStdString(), run};
    const std::string problem = teamsProblem(read);
    if (!problem.empty()) {
        error = QString::fromStdString(problem);
        return false;
    }
    teams = std::move(read);
    return true;
}

} // namespace websb
