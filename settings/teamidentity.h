#pragma once

#include <QString>
#include <QtGlobal>

// A team's identity where the board's own look has no room for it (streams, the live page): its
// short name and its colours as other programs write them.

// `setting` with everything but letters and digits left out, at most 4 of them; when that leaves
// nothing, the first three letters or digits of `teamName` in capitals; when that is nothing too,
// `fallback`.
QString TeamShortName(const QString &setting, const QString &teamName, const QString &fallback);

// A colour of the settings (0x00BBGGRR) as "rrggbb"; the unused top byte is ignored.
QString ColourHex(qint32 bbggrr);
