#pragma once

#include "matchextras.h"
#include "protocol/websbprotocol.h"
#include "teamextras.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The board's update request as it arrives in the query: thirteen figures in a fixed order, the
// passcode, the final flag and, from a board that knows this service understands them, the
// match's and the teams' fields, as protocol/websbprotocol.h names them. Decoding is strict so that
// the echo is exactly what the board sent.
namespace websb {

using FieldKind = websbprotocol::FieldKind;
using BoardField = websbprotocol::Field;

inline constexpr std::size_t BoardFieldCount = websbprotocol::FieldCount;
// In wire order, which is also the order of the echo.
inline constexpr const auto &BoardFields = websbprotocol::Fields;

inline constexpr std::size_t MaxQueryLength = websbprotocol::MaxQueryLength;
inline constexpr std::size_t MaxValueLength = websbprotocol::MaxValueLength;

using BoardValues = std::array<std::string, BoardFieldCount>;

struct BoardUpdate
{
    BoardValues values; // decoded UTF-8
    std::string passcode;
    bool final = false;
    // None from a board that sent no match (a board that does not know this service).
    std::optional<MatchExtras> match;
    // None from a board that sent no teams (one that does not know this service shows them).
    std::optional<TeamExtras> teams;
};

struct QueryResult
{
    BoardUpdate update;
    int status = 200; // 400 or 414 when the query is refused
    std::string error; // short, names fields but never repeats a value

    bool ok() const { return status == 200; }
};

// Decodes %XX escapes only: "+" stays a plus. Empty when an escape is malformed.
std::optional<std::string> percentDecode(std::string_view text);
// A query's form encoding: "+" is a space, then %XX escapes as above.
std::optional<std::string> formDecode(std::string_view text);

// The number of code points of strict UTF-8 (no overlong forms, no surrogates), or empty when
// the text is not UTF-8.
std::optional<std::size_t> utf8Length(std::string_view text);

// True when `value` is acceptable for `field` (numbers and clocks have a fixed shape).
bool isValidValue(const BoardField &field, std::string_view value);

// Parses the raw query (without "?"), form-encoded. Keys other than the board's are ignored; a
// repeated key, a missing one, a malformed escape, text that is not UTF-8, a value out of shape
// or match or teams' fields that are incomplete or out of shape are refused.
QueryResult parseBoardQuery(std::string_view query);

// The thirteen values concatenated, as the board checks them.
std::string echoOf(const BoardValues &values);

} // namespace websb
