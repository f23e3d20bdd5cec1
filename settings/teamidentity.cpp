#include "teamidentity.h"

#include "settings/settingsstore.h"

#include <QList>

namespace {

// The letters and digits of `text`, at most `count` of them (a letter beyond the basic plane
// counts as one).
QString lettersAndDigits(const QString &text, qsizetype count)
{
    QString kept;
    qsizetype taken = 0;
    for (const char32_t c : text.toUcs4()) {
        if (taken == count) {
            break;
        }
        if (QChar::isLetterOrNumber(c)) {
            kept += QString::fromUcs4(&c, 1);
            ++taken;
        }
    }
    return kept;
}

} // namespace

QString TeamShortName(const QString &setting, const QString &teamName, const QString &fallback)
{
    const QString typed = lettersAndDigits(setting, StoredShortNameMax);
    if (!typed.isEmpty()) {
        return typed;
    }
    const QString initial = lettersAndDigits(teamName.toUpper(), 3);
    return initial.isEmpty() ? fallback : initial;
}

QString ColourHex(qint32 bbggrr)
{
    const auto value = quint32(bbggrr);
    const quint32 rgb = ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0'));
}
