#pragma once

#include "protocol/websbprotocol.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <string_view>

// The board's figures, in the order of the table below: the game clock and nine counters.
enum class Figure : int {
    Time,
    ScoreH,
    ScoreV,
    Period,
    ShotsH,
    CKH,
    SavesH,
    ShotsV,
    CKV,
    SavesV,
};
inline constexpr int FigureCount = 10;

// The board's ten figures in one table: the LED array that shows each, the values it takes,
// its slot among the web values, and the labels a screen reader names it by. Every loop over
// figures reads this table.
struct FigureInfo
{
    Figure figure;
    std::string_view ledArray;
    int minimum;
    int maximum;
    // Its index among the web values (WebSBValues).
    int webSlot;
    // Named as the board shows it: the team's name label, then the caption label over the
    // figure, or these words (translated in the BoardDesign context) where the board shows none.
    std::string_view teamLabel;
    std::string_view captionLabel;
    std::string_view spokenName;
    // Its name where other programs read or set it (the remote control's commands and state).
    std::string_view key;
    // The clock is a figure too, but it is typed and shown by rules of its own.
    bool isClock = false;
};

inline constexpr std::array<FigureInfo, FigureCount> Figures{{
    {Figure::Time, "sgmTime", 0, 3599, 4, "", "", QT_TRANSLATE_NOOP("BoardDesign", "Game clock"),
        "clock", true},
    {Figure::ScoreH, "sgmScoreH", 0, 99, 3, "lblHomeName", "",
        QT_TRANSLATE_NOOP("BoardDesign", "score"), "homeScore"},
    {Figure::ScoreV, "sgmScoreV", 0, 99, 5, "lblGuestName", "",
        QT_TRANSLATE_NOOP("BoardDesign", "score"), "visitorScore"},
    {Figure::Period, "sgmPeriod", 1, 4, 6, "", "lblPeriod", "", "period"},
    {Figure::ShotsH, "sgmShotsH", 0, 99, 7, "lblHomeName", "lblShotsH", "", "homeShots"},
    {Figure::CKH, "sgmCKH", 0, 9, 8, "lblHomeName", "lblCKH", "", "homeCornerKicks"},
    {Figure::SavesH, "sgmSavesH", 0, 99, 9, "lblHomeName", "lblSavesH", "", "homeSaves"},
    {Figure::ShotsV, "sgmShotsV", 0, 99, 10, "lblGuestName", "lblShotsV", "", "visitorShots"},
    {Figure::CKV, "sgmCKV", 0, 9, 11, "lblGuestName", "lblCKV", "", "visitorCornerKicks"},
    {Figure::SavesV, "sgmSavesV", 0, 99, 12, "lblGuestName", "lblSavesV", "", "visitorSaves"},
}};

// Every row sits at its figure's place.
static_assert([] {
    for (std::size_t i = 0; i < Figures.size(); ++i) {
        if (static_cast<std::size_t>(Figures[i].figure) != i) {
            return false;
        }
    }
    return true;
}());

constexpr const FigureInfo &InfoOf(Figure figure)
{
    return Figures[static_cast<std::size_t>(figure)];
}

// The figure shown by `ledArray`; nullptr for none.
constexpr const FigureInfo *FigureNamed(std::string_view ledArray)
{
    for (const FigureInfo &figure : Figures) {
        if (figure.ledArray == ledArray) {
            return &figure;
        }
    }
    return nullptr;
}

// How many LED digits show `figure`: as many as its largest value has.
constexpr int DigitCount(const FigureInfo &figure)
{
    int digits = 1;
    for (int rest = figure.maximum; rest >= 10; rest /= 10) {
        ++digits;
    }
    return digits;
}

// The figure called `key` by other programs; nullptr for none.
constexpr const FigureInfo *FigureKeyed(std::string_view key)
{
    for (const FigureInfo &figure : Figures) {
        if (figure.key == key) {
            return &figure;
        }
    }
    return nullptr;
}

// Nine counters and the clock; every slot from 3 to 12 belongs to exactly one figure.
static_assert([] {
    std::array<int, 13> owners{};
    for (const FigureInfo &figure : Figures) {
        ++owners[static_cast<std::size_t>(figure.webSlot)];
    }
    for (std::size_t slot = 3; slot <= 12; ++slot) {
        if (owners[slot] != 1) {
            return false;
        }
    }
    return owners[0] + owners[1] + owners[2] == 0;
}());

// Corner kicks as a match counted up reaches them; the table's maximum is the board's own.
inline constexpr int UpCornerKicksMaximum = 99;

// The largest value `figure` takes in any match format.
constexpr int LargestMaximum(const FigureInfo &figure)
{
    const bool cornerKicks = figure.figure == Figure::CKH || figure.figure == Figure::CKV;
    return cornerKicks && UpCornerKicksMaximum > figure.maximum ? UpCornerKicksMaximum
                                                                : figure.maximum;
}

// Each figure's slot is the wire field that carries it, of its kind, and holding every value
// it takes in any format.
static_assert([] {
    for (const FigureInfo &figure : Figures) {
        const websbprotocol::Field &field
            = websbprotocol::Fields[static_cast<std::size_t>(figure.webSlot)];
        const websbprotocol::FieldKind kind
            = figure.isClock ? websbprotocol::FieldKind::Clock : websbprotocol::FieldKind::Number;
        const bool holdsEvery = figure.isClock
            ? figure.maximum / 60 <= websbprotocol::LongestClockMinutes
            : field.maximum >= LargestMaximum(figure);
        const bool matches = field.kind == kind && holdsEvery;
        if (!matches) {
            return false;
        }
    }
    return true;
}());

// The clock's slot among the web values.
inline constexpr int ClockWebSlot = [] {
    for (const FigureInfo &figure : Figures) {
        if (figure.isClock) {
            return figure.webSlot;
        }
    }
    return -1;
}();
