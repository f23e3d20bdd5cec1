#pragma once

#include <QString>

// How the options dialog shows a buzzer file path in its one-line label: a path of up to 50
// characters as it is; a longer one as its first 10 characters, " ...\" and the name of the file
// (nothing when the file does not exist); no path as "[No File Selected]".
QString BuzzerDisplayText(const QString &path);

// Whether `path` names an existing file (not a folder).
bool IsExistingFile(const QString &path);
