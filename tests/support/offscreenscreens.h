#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

enum class OtherPlatforms {
    // A run by hand on another platform (xcb under Xvfb) keeps that platform and its screens.
    Keep,
    // The test needs these screens: it runs offscreen whatever platform was asked for.
    Replace,
};

// Gives the offscreen platform the screens described by `screensJson` (its "screens" file),
// written into `folder`, which must outlive the application. Call before the QApplication is
// made; false when the file cannot be written.
inline bool UseOffscreenScreens(const QTemporaryDir &folder, const QByteArray &screensJson,
    OtherPlatforms others = OtherPlatforms::Keep)
{
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(screensJson) != screensJson.size()) {
        return false;
    }
    file.close();
    if (others == OtherPlatforms::Replace || qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    }
    return true;
}
