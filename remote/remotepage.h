#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The remote page's words in the board's language. The page is written in English; the board
// serves, beside it, a script that maps each of its English texts to the installed translation.

// The script /texts.js: `window.varneloTexts = {"lang": ..., "texts": {english: translated}}`,
// holding only the texts the installed catalogues translate (none in English).
QByteArray RemotePageTextsScript();

// Every English text the page shows, the board's refusals included, as the catalogue holds them.
QStringList RemotePageTexts();

// The code of the language the board speaks ("en", "de", ...): its installed catalogue's own.
QString RemotePageLanguage();
