#include "buzzerdisplay.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr qsizetype LongestShownWhole = 50;
constexpr qsizetype ShortenedHead = 10;

} // namespace

bool IsExistingFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString BuzzerDisplayText(const QString &path)
{
    if (path.size() > LongestShownWhole) {
        const QString name = IsExistingFile(path) ? QFileInfo(path).fileName() : QString();
        // The separator of this platform: a backslash on Windows only.
        return path.left(ShortenedHead) + QStringLiteral(" ...") + QDir::separator() + name;
    }
    if (!path.isEmpty()) {
        return path;
    }
    return QCoreApplication::translate("KeysTab", "[No File Selected]");
}
