#pragma once

#include <QByteArray>
#include <QStringList>

// The remote page's words in the board's language. The page is written in English; the board
// serves, beside it, a script that maps each of its English texts to the installed translation.

// Every English text the page shows or speaks, as remote.html and remote.js write them.
QStringList RemotePageTexts();

// The script /texts.js: `window.varneloTexts = {"lang": ..., "texts": {english: translated}}`,
// holding only the texts the installed catalogues translate (none in English).
QByteArray RemotePageTextsScript();
