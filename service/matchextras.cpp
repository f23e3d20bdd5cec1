#include "matchextras.h"

#include "boardquery.h"

#include <QJsonArray>

#include <algorithm>

namespace websb {

namespace {

namespace wire = websbprotocol;

std::string keyText(std::string_view key)
{
    return std::string(key);
}

bool isPhase(std::string_view name)
{
    return std::find(wire::PhaseNames.begin(), wire::PhaseNames.end(), name)
        != wire::PhaseNames.end();
}

bool isKicks(std::string_view kicks)
{
    return kicks.size() <= wire::MaxKicks && std::all_of(kicks.begin(), kicks.end(), [](char c) {
        return c == wire::KickScored || c == wire::KickMissed;
    });
}

QJsonArray kicksJson(const std::string &kicks)
{
    QJsonArray array;
    for (char c : kicks) {
        array.append(c == wire::KickScored);
    }
    return array;
}

std::optional<std::string> kicksFromJson(const QJsonValue &value)
{
    if (!value.isArray()) {
        return std::nullopt;
    }
    std::string kicks;
    for (const QJsonValue &kick : value.toArray()) {
        if (!kick.isBool()) {
            return std::nullopt;
        }
        kicks += kick.toBool() ? wire::KickScored : wire::KickMissed;
    }
    return kicks;
}

} // namespace

std::string matchProblem(const MatchExtras &match)
{
    if (!isPhase(match.phase)) {
        return keyText(wire::PhaseKey) + " is not a phase";
    }
    if (match.addedMinutes < 0 || match.addedMinutes > wire::MaxAddedMinutes) {
        return keyText(wire::AddedKey) + " must be a number from 0 to "
            + std::to_string(wire::MaxAddedMinutes);
    }
    const std::string kicksRule
        = " must be at most " + std::to_string(wire::MaxKicks) + " kicks, each 0 or 1";
    if (!isKicks(match.homeKicks)) {
        return keyText(wire::HomeKicksKey) + kicksRule;
    }
    if (!isKicks(match.visitorKicks)) {
        return keyText(wire::VisitorKicksKey) + kicksRule;
    }
    // The teams kick in turn: one is never two kicks ahead.
    const auto home = match.homeKicks.size();
    const auto visitor = match.visitorKicks.size();
    if (std::max(home, visitor) - std::min(home, visitor) > 1) {
        return keyText(wire::HomeKicksKey) + " and " + keyText(wire::VisitorKicksKey)
            + " are more than one kick apart";
    }
    return {};
}

MatchReading readMatchFields(const MatchFieldsSeen &seen)
{
    MatchReading reading;
    const std::array<const std::optional<std::string> *, 4> fields
        = {&seen.phase, &seen.added, &seen.homeKicks, &seen.visitorKicks};
    std::string missing;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!*fields[i]) {
            missing += missing.empty() ? "" : ", ";
            missing += wire::MatchKeys[i];
        }
    }
    const bool anySent = std::any_of(
        fields.begin(), fields.end(), [](const auto *field) { return field->has_value(); });
    if (!anySent) {
        return reading; // a board that publishes no match
    }
    if (!missing.empty()) {
        reading.error = "missing " + missing + ": the match's fields come together";
        return reading;
    }
    const BoardField added{wire::AddedKey, FieldKind::Number, wire::MaxAddedMinutes};
    if (seen.added->empty() || !isValidValue(added, *seen.added)) {
        reading.error = keyText(wire::AddedKey) + " must be a number from 0 to "
            + std::to_string(wire::MaxAddedMinutes);
        return reading;
    }
    MatchExtras match{*seen.phase, std::stoi(*seen.added), *seen.homeKicks, *seen.visitorKicks};
    reading.error = matchProblem(match);
    if (reading.ok()) {
        reading.match = std::move(match);
    }
    return reading;
}

void insertMatch(QJsonObject &page, const MatchExtras &match)
{
    page.insert(QStringLiteral("phase"), QString::fromStdString(match.phase));
    page.insert(QStringLiteral("addedTime"), match.addedMinutes);
    page.insert(QStringLiteral("shootout"),
        QJsonObject{{QStringLiteral("home"), kicksJson(match.homeKicks)},
            {QStringLiteral("visitor"), kicksJson(match.visitorKicks)}});
}

bool matchFromJson(const QJsonObject &page, std::optional<MatchExtras> &match, QString &error)
{
    const QJsonValue phase = page.value(QStringLiteral("phase"));
    if (phase.isUndefined()) {
        match.reset();
        return true;
    }
    const QJsonValue added = page.value(QStringLiteral("addedTime"));
    const QJsonObject shootout = page.value(QStringLiteral("shootout")).toObject();
    const auto home = kicksFromJson(shootout.value(QStringLiteral("home")));
    const auto visitor = kicksFromJson(shootout.value(QStringLiteral("visitor")));
    if (!phase.isString() || !added.isDouble() || added.toDouble() != added.toInt() || !home
        || !visitor) {
        error = QStringLiteral("phase, addedTime or shootout is of the wrong type");
        return false;
    }
    MatchExtras read{phase.toString().toStdString(), added.toInt(), *home, *visitor};
    const std::string problem = matchProblem(read);
    if (!problem.empty()) {
        error = QString::fromStdString(problem);
        return false;
    }
    match = std::move(read);
    return true;
}

} // namespace websb
