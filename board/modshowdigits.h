#pragma once

#include <QString>

#include <functional>

class DigitDisplay;
struct EntryRecord;
struct WebState;

// Number entry on the nine counters: typed characters collect into an entry text that is then
// committed to the figure, or added to or subtracted from it.

// The slot of WebSBValues that mirrors the figure of a digit group; -1 for none.
int WebSlotOf(const QString &groupName);

// What number entry acts on besides the group.
struct NumberEntryTarget
{
    EntryRecord &NumberEntry;
    WebState &web;
    // The command dispatch, which sees every key first.
    std::function<void(short)> allKeyPress;
};

// One typed character in a counter's digit group with the group's range.
void EnterNumberKey(
    NumberEntryTarget &target, DigitDisplay &group, short keyAscii, int minimum, int maximum);

// Applies an entry text to a group: a number, or "+"/"-" and a number to add or subtract.
// Refused quietly, changing nothing, when it forms no number or falls outside the range.
void CommitNumber(
    DigitDisplay &group, const QString &text, int minimum, int maximum, WebState &web);
