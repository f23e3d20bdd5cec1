#pragma once

#include "board/digitgroup.h"

#include <QTest>
#include <QTimer>

// What the audience reads on a digit group: left to right for the clock, highest digit first
// for a counter; blanks as spaces.
inline QString ShownFigure(const DigitGroup *group)
{
    QString text;
    const bool clock = group->groupName() == QLatin1String("sgmTime");
    for (int n = 0; n < group->digitCount(); ++n) {
        const int i = clock ? n : group->digitCount() - 1 - n;
        const qint16 c = group->caption(i);
        text += c < 0 ? QLatin1Char(' ') : QChar(static_cast<char16_t>(u'0' + c));
    }
    return text;
}

// Types `keys` on `target` as the operator would; "\r" is the Enter key.
inline void TypeKeys(QWidget *target, const char *keys)
{
    for (const char *c = keys; *c; ++c) {
        if (*c == '\r') {
            QTest::keyClick(target, Qt::Key_Return);
        } else {
            QTest::keyClick(target, *c);
        }
    }
}

// One of the board's timers by its name ("tmrClock", "tmrUpdateWeb").
inline QTimer &BoardTimer(const QObject &board, const char *name)
{
    auto *timer = board.findChild<QTimer *>(QLatin1String(name));
    Q_ASSERT(timer);
    return *timer;
}
