#include "numberentry.h"

#include "game/modsoccer.h"
#include "settings/typedkeys.h"

#include <QCoreApplication>

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

} // namespace

std::optional<int> EnterNumberKey(
    EntryRecord &entry, const FigureInfo &figure, int current, short keyAscii, QString *refusal)
{
    const QString owner
        = QString::fromLatin1(figure.ledArray.data(), qsizetype(figure.ledArray.size()));
    if (entry.owner != owner) {
        entry.text.clear();
        entry.owner = owner;
    }
    const QChar key(static_cast<char16_t>(keyAscii));
    if (isDigit(key) || key == QLatin1Char('+') || key == QLatin1Char('-')) {
        entry.text += key;
    } else if (keyAscii == KeyCode::Space) {
        entry.text.clear();
    }
    const bool signedText
        = entry.text.startsWith(QLatin1Char('+')) || entry.text.startsWith(QLatin1Char('-'));
    // A one-digit figure takes each digit at once; a signed change is done with its first digit;
    // anything else waits for Enter. Committing clears the text, refused or not.
    const bool complete = (DigitCount(figure) == 1 && !signedText)
        || (entry.text.size() > 1 && signedText && isDigit(entry.text.at(1)))
        || keyAscii == KeyCode::Enter;
    if (!complete) {
        return std::nullopt;
    }
    const QString text = entry.text;
    entry.text.clear();
    const std::optional<int> committed
        = CommitNumber(text, current, figure.minimum, figure.maximum);
    if (!committed && refusal) {
        *refusal = NumberRefusal(text, figure, current);
    }
    return committed;
}

QString NumberRefusal(const QString &text, const FigureInfo &figure, int current)
{
    if (text.isEmpty() || CommitNumber(text, current, figure.minimum, figure.maximum)) {
        return {};
    }
    const auto words
        = [](const char *source) { return QCoreApplication::translate("ScoreboardGame", source); };
    const QChar first = text.at(0);
    const bool isSigned = first == QLatin1Char('+') || first == QLatin1Char('-');
    const std::optional<qint64> number = isSigned ? signedNumber(text, 1) : leadingNumber(text, 0);
    if (!number) {
        return words(QT_TRANSLATE_NOOP("ScoreboardGame", "\"%1\" is no number")).arg(text);
    }
    const qint64 wanted
        = isSigned ? (first == QLatin1Char('+') ? current + *number : current - *number) : *number;
    QString range;
    switch (figure.figure) {
    case Figure::ScoreH:
    case Figure::ScoreV:
        range = words(QT_TRANSLATE_NOOP("ScoreboardGame", "scores go from %1 to %2"));
        break;
    case Figure::Period:
        range = words(QT_TRANSLATE_NOOP("ScoreboardGame", "the period goes from %1 to %2"));
        break;
    case Figure::ShotsH:
    case Figure::ShotsV:
        range = words(QT_TRANSLATE_NOOP("ScoreboardGame", "shots go from %1 to %2"));
        break;
    case Figure::CKH:
    case Figure::CKV:
        range = words(QT_TRANSLATE_NOOP("ScoreboardGame", "corner kicks go from %1 to %2"));
        break;
    case Figure::SavesH:
    case Figure::SavesV:
        range = words(QT_TRANSLATE_NOOP("ScoreboardGame", "saves go from %1 to %2"));
        break;
    case Figure::Time:
        break;
    }
    //: %1 is the value typed; %2 says which values the figure takes.
    return words(QT_TRANSLATE_NOOP("ScoreboardGame", "%1 is refused: %2"))
        .arg(QString::number(wanted), range.arg(figure.minimum).arg(figure.maximum));
}

std::optional<int> CommitNumber(const QString &text, int current, int minimum, int maximum)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const QChar first = text.at(0);
    std::optional<qint64> value;
    if (isDigit(first)) {
        value = leadingNumber(text, 0);
    } else if (first == QLatin1Char('+') || first == QLatin1Char('-')) {
        const auto change = signedNumber(text, 1);
        if (change) {
            value = first == QLatin1Char('+') ? current + *change : current - *change;
        }
    }
    if (!value || *value < minimum || *value > maximum) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}
