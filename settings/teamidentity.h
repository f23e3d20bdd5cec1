#pragma once

#include <QString>
#include <QtGlobal>

// A team as streams and other programs show it: its short name and its colours as the web
// writes them.

// The short name a team gets when none is typed: the first letters and digits of its name,
// upper-case, up to StoredShortNameMax ("Rovers" gives "ROVE", "FC 1860" gives "FC18").
QString DefaultShortName(const QString &name);
// The short name typed, or the default one when none is.
QString ShortNameOf(const QString &typed, const QString &name);

// A settings colour (0x00BBGGRR) as "#rrggbb"; the unused high byte is ignored.
QString HexColor(qint32 color);
