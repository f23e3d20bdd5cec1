#include "modshowdigits.h"

#include "game/figures.h"

#include "board/digitgroup.h"
#include "game/modsoccer.h"
#include "settings/typedkeys.h"
#include "web/webstate.h"

#include <optional>

namespace {

// Longer runs of digits than this are far outside every range; they are refused rather than
// read, so no text can overflow the arithmetic.
constexpr int MaximumDigits = 9;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The whole number that `text` begins with from `from` on: the leading run of digits.
// Nothing readable is 0; nullopt when the run is too long to be in any range.
std::optional<qint64> leadingNumber(const QString &text, qsizetype from)
{
    qint64 value = 0;
    int digits = 0;
    for (qsizetype i = from; i < text.size() && isDigit(text.at(i)); ++i) {
        if (++digits > MaximumDigits) {
            return std::nullopt;
        }
        value = value * 10 + (text.at(i).unicode() - u'0');
    }
    return value;
}

// An optional sign and digits, as what follows "+" or "-".
std::optional<qint64> signedNumber(const QString &text, qsizetype from)
{
    if (from < text.size()
        && (text.at(from) == QLatin1Char('+') || text.at(from) == QLatin1Char('-'))) {
        const auto magnitude = leadingNumber(text, from + 1);
        if (!magnitude) {
            return std::nullopt;
        }
        return text.at(from) == QLatin1Char('-') ? -*magnitude : *magnitude;
    }
    return leadingNumber(text, from);
}

void commit(NumberEntryTarget &target, DigitDisplay &group, int minimum, int maximum)
{
    CommitNumber(group, target.NumberEntry.text, minimum, maximum, target.web);
    target.NumberEntry.text.clear();
}

} // namespace

int WebSlotOf(const QString &groupName)
{
    const QByteArray name = groupName.toLatin1();
    const FigureInfo *figure = FigureNamed(std::string_view(name.constData(), size_t(name.size())));
    return figure ? figure->webSlot : -1;
}

void EnterNumberKey(
    NumberEntryTarget &target, DigitDisplay &group, short keyAscii, int minimum, int maximum)
{
    if (target.allKeyPress) {
        target.allKeyPress(keyAscii);
    }
    EntryRecord &entry = target.NumberEntry;
    if (entry.owner != group.groupName()) {
        entry.text.clear();
        entry.owner = group.groupName();
    }
    const QChar key(static_cast<char16_t>(keyAscii));
    if (isDigit(key) || key == QLatin1Char('+') || key == QLatin1Char('-')) {
        entry.text += key;
    } else if (keyAscii == KeyCode::Space) {
        entry.text.clear();
    }
    const bool signedText
        = entry.text.startsWith(QLatin1Char('+')) || entry.text.startsWith(QLatin1Char('-'));
    // Each test runs on every key; after a commit the text is empty, and committing an empty
    // text changes nothing.
    if (group.digitCount() == 1 && !signedText) {
        commit(target, group, minimum, maximum);
    }
    if (entry.text.size() > 1 && signedText && isDigit(entry.text.at(1))) {
        commit(target, group, minimum, maximum);
    }
    if (keyAscii == KeyCode::Enter) {
        commit(target, group, minimum, maximum);
    }
}

void CommitNumber(DigitDisplay &group, const QString &text, int minimum, int maximum, WebState &web)
{
    if (text.isEmpty()) {
        return;
    }
    const QChar first = text.at(0);
    std::optional<qint64> value;
    if (isDigit(first)) {
        value = leadingNumber(text, 0);
    } else if (first == QLatin1Char('+') || first == QLatin1Char('-')) {
        const auto change = signedNumber(text, 1);
        if (change) {
            value = first == QLatin1Char('+') ? ShownValue(group) + *change
                                              : ShownValue(group) - *change;
        }
    }
    if (!value || *value < minimum || *value > maximum) {
        return;
    }
    const QString shown = QString::number(*value);
    const int slot = WebSlotOf(group.groupName());
    if (slot >= 0) {
        web.WebSBValues[static_cast<std::size_t>(slot)] = shown;
    }
    for (int i = 0; i < group.digitCount(); ++i) {
        const qsizetype fromRight = shown.size() - 1 - i;
        group.setCaption(i,
            fromRight >= 0 ? static_cast<qint16>(shown.at(fromRight).unicode() - u'0')
                           : qint16(-1));
    }
}
