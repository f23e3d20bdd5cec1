#include "boardquery.h"

#include <algorithm>

namespace websb {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNumber(std::string_view value, int maximum)
{
    if (value.empty() || value.size() > 3 || !std::all_of(value.begin(), value.end(), isDigit)) {
        return false;
    }
    if (value.size() > 1 && value.front() == '0') {
        return false;
    }
    int number = 0;
    for (char c : value) {
        number = number * 10 + (c - '0');
    }
    return number <= maximum;
}

// "112:30", "10:00", "9:59" while a minute or more is shown, then "59.9" down to "0.0".
bool isClock(std::string_view value)
{
    const auto digits = [&](std::size_t from, std::size_t count) {
        return from + count <= value.size()
            && std::all_of(value.begin() + static_cast<std::ptrdiff_t>(from),
                value.begin() + static_cast<std::ptrdiff_t>(from + count), isDigit);
    };
    const std::size_t separator = value.find_first_of(":.");
    // Minutes from 100 to 199 for a match counted up; tenths only below a minute.
    const bool hundreds = separator == 3 && value[separator] == ':' && value[0] == '1';
    if (separator != 1 && separator != 2 && !hundreds) {
        return false;
    }
    if (!digits(0, separator)) {
        return false;
    }
    if (value[separator] == ':') {
        return value.size() == separator + 3 && digits(separator + 1, 2)
            && value[separator + 1] <= '5';
    }
    return value.size() == separator + 2 && digits(separator + 1, 1);
}

std::optional<std::size_t> fieldIndex(std::string_view key)
{
    for (std::size_t i = 0; i < BoardFields.size(); ++i) {
        if (BoardFields[i].key == key) {
            return i;
        }
    }
    return std::nullopt;
}

QueryResult refusal(int status, std::string message)
{
    QueryResult result;
    result.status = status;
    result.error = std::move(message);
    return result;
}

} // namespace

std::optional<std::string> percentDecode(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        decoded.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return decoded;
}

std::optional<std::string> formDecode(std::string_view text)
{
    std::string spaced(text);
    std::replace(spaced.begin(), spaced.end(), '+', ' ');
    return percentDecode(spaced);
}

std::optional<std::size_t> utf8Length(std::string_view text)
{
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return std::nullopt;
        }
        i += extra + 1;
        ++count;
    }
    return count;
}

bool isValidValue(const BoardField &field, std::string_view value)
{
    if (value.empty()) {
        return true;
    }
    switch (field.kind) {
    case FieldKind::Text:
        return true;
    case FieldKind::Number:
        return isNumber(value, field.maximum);
    case FieldKind::Clock:
        return isClock(value);
    }
    return false;
}

QueryResult parseBoardQuery(std::string_view query)
{
    if (query.size() > MaxQueryLength) {
        return refusal(414, "query too long");
    }

    QueryResult result;
    std::array<bool, BoardFieldCount> seen{};
    bool seenPasscode = false;
    bool seenFinal = false;
    MatchFieldsSeen match;
    const std::array<std::pair<std::string_view, std::optional<std::string> *>, 4> matchFields
        = {{{websbprotocol::PhaseKey, &match.phase}, {websbprotocol::AddedKey, &match.added},
            {websbprotocol::HomeKicksKey, &match.homeKicks},
            {websbprotocol::VisitorKicksKey, &match.visitorKicks}}};
    TeamFieldsSeen teams;

    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string_view::npos) {
            end = query.size();
        }
        const std::string_view part = query.substr(start, end - start);
        start = end + 1;
        if (part.empty()) {
            continue;
        }
        const std::size_t equals = part.find('=');
        const auto key = formDecode(part.substr(0, equals));
        const auto value = formDecode(
            equals == std::string_view::npos ? std::string_view() : part.substr(equals + 1));
        if (!key || !value) {
            return refusal(400, "malformed percent-encoding");
        }

        std::string *target = nullptr;
        std::string_view name = *key;
        const auto matchField = std::find_if(matchFields.begin(), matchFields.end(),
            [&](const auto &field) { return field.first == name; });
        const auto teamKey
            = std::find(websbprotocol::TeamKeys.begin(), websbprotocol::TeamKeys.end(), name);
        if (teamKey != websbprotocol::TeamKeys.end()) {
            auto &teamField = teams[std::size_t(teamKey - websbprotocol::TeamKeys.begin())];
            if (teamField.has_value()) {
                return refusal(400, std::string(name) + " appears twice");
            }
            target = &teamField.emplace();
        } else if (matchField != matchFields.end()) {
            if (matchField->second->has_value()) {
                return refusal(400, std::string(name) + " appears twice");
            }
            target = &matchField->second->emplace();
        } else if (const auto index = fieldIndex(name)) {
            if (seen[*index]) {
                return refusal(400, std::string(name) + " appears twice");
            }
            seen[*index] = true;
            target = &result.update.values[*index];
        } else if (name == websbprotocol::PasscodeKey) {
            if (seenPasscode) {
                return refusal(400, "passcode appears twice");
            }
            seenPasscode = true;
            target = &result.update.passcode;
        } else if (name == websbprotocol::FinalKey) {
            if (seenFinal || *value != websbprotocol::FinalValue) {
                return refusal(400, "final must appear once, as final=1");
            }
            seenFinal = true;
            result.update.final = true;
            continue;
        } else {
            continue;
        }

        const auto length = utf8Length(*value);
        if (!length) {
            return refusal(400, std::string(name) + " is not UTF-8");
        }
        if (*length > MaxValueLength) {
            return refusal(400,
                std::string(name) + " is longer than " + std::to_string(MaxValueLength)
                    + " characters");
        }
        *target = *value;
    }

    std::string missing;
    for (std::size_t i = 0; i < BoardFields.size(); ++i) {
        if (!seen[i]) {
            missing += missing.empty() ? "" : ", ";
            missing += BoardFields[i].key;
        }
    }
    if (!seenPasscode) {
        missing += missing.empty() ? "" : ", ";
        missing += websbprotocol::PasscodeKey;
    }
    if (!missing.empty()) {
        return refusal(400, "missing " + missing);
    }

    for (std::size_t i = 0; i < BoardFields.size(); ++i) {
        if (!isValidValue(BoardFields[i], result.update.values[i])) {
            const BoardField &field = BoardFields[i];
            return refusal(400,
                field.kind == FieldKind::Clock
                    ? std::string(field.key) + " is not a game clock"
                    : std::string(field.key) + " must be a number from 0 to "
                        + std::to_string(field.maximum) + ", or empty");
        }
    }
    MatchReading reading = readMatchFields(match);
    if (!reading.ok()) {
        return refusal(400, std::move(reading.error));
    }
    result.update.match = std::move(reading.match);
    TeamReading teamReading = readTeamFields(teams);
    if (!teamReading.ok()) {
        return refusal(400, std::move(teamReading.error));
    }
    result.update.teams = std::move(teamReading.teams);
    return result;
}

std::string echoOf(const BoardValues &values)
{
    std::string echo;
    for (const std::string &value : values) {
        echo += value;
    }
    return echo;
}

} // namespace websb
