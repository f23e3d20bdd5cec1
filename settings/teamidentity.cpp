#include "teamidentity.h"

#include "settings/settingsstore.h"

QString DefaultShortName(const QString &name)
{
    QString letters;
    for (const QChar c : name) {
        if (c.isLetterOrNumber()) {
            letters += c;
        }
    }
    // Upper-cased first: a letter may become two ("ß" is "SS").
    return letters.toUpper().left(StoredShortNameMax);
}

QString ShortNameOf(const QString &typed, const QString &name)
{
    const QString trimmed = typed.trimmed();
    return trimmed.isEmpty() ? DefaultShortName(name) : trimmed.left(StoredShortNameMax);
}

QString HexColor(qint32 color)
{
    const auto bgr = static_cast<quint32>(color);
    const quint32 rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}
