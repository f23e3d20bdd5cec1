#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The splash screen as it was last drawn, kept in the user's cache. The next start shows it
// while the fonts load, which is most of what a first window with text costs; the real splash
// takes its place a moment later, drawn alike. `key` says what the picture shows (texts, fonts,
// colours, scale): a picture of anything else is not read.

// The cache file, "splash.picture" in the per-user cache folder.
QString DefaultSplashPicturePath();

// The picture kept at `path` for `key`; a null image when there is none, it is for another key,
// or the file is not one of ours (it is then simply drawn anew).
QImage ReadSplashPicture(const QString &path, const QByteArray &key);

// Keeps `picture` at `path` for `key`, replacing the file whole; false when it cannot.
bool WriteSplashPicture(const QString &path, const QByteArray &key, const QImage &picture);
