#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The board's update request as it arrives in the query: thirteen figures in a fixed order, the
// passcode and the final flag. Decoding is strict so that the echo is exactly what the board sent.
namespace websb {

enum class FieldKind { Text, Number, Clock };

struct BoardField
{
    std::string_view key;
    FieldKind kind;
    int maximum; // numbers only; a number may also be empty before the board is opened
};

inline constexpr std::size_t BoardFieldCount = 13;

// In wire order, which is also the order of the echo.
inline constexpr std::array<BoardField, BoardFieldCount> BoardFields = {{
    {"ttl", FieldKind::Text, 0},
    {"ht", FieldKind::Text, 0},
    {"vt", FieldKind::Text, 0},
    {"hs", FieldKind::Number, 99},
    {"gt", FieldKind::Clock, 0},
    {"vs", FieldKind::Number, 99},
    {"per", FieldKind::Number, 4},
    {"hsh", FieldKind::Number, 99},
    {"hck", FieldKind::Number, 9},
    {"hsa", FieldKind::Number, 99},
    {"vsh", FieldKind::Number, 99},
    {"vck", FieldKind::Number, 9},
    {"vsa", FieldKind::Number, 99},
}};

// Raw query bytes; the longest query of a real board is a few hundred.
inline constexpr std::size_t MaxQueryLength = 8000;
// Characters (code points) of one decoded value, the passcode included.
inline constexpr std::size_t MaxValueLength = 200;

using BoardValues = std::array<std::string, BoardFieldCount>;

struct BoardUpdate
{
    BoardValues values; // decoded UTF-8
    std::string passcode;
    bool final = false;
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
// repeated key, a missing one, a malformed escape, text that is not UTF-8 or a value out of shape
// is refused.
QueryResult parseBoardQuery(std::string_view query);

// The thirteen values concatenated, as the board checks them.
std::string echoOf(const BoardValues &values);

} // namespace websb
