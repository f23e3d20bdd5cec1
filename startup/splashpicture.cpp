#include "splashpicture.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The file: this magic, the key's SHA-256, width and height in device pixels, the scale in
// thousandths, then the rows of premultiplied ARGB32 pixels in the machine's byte order. Raw,
// because decoding a PNG would cost what the picture saves.
constexpr char Magic[] = "VARNELO-SPLASH-1";
constexpr int MagicLength = sizeof(Magic) - 1;
constexpr int HashLength = 32;
constexpr qint64 HeaderLength = MagicLength + HashLength + 3 * 4;
// Larger than any splash on any screen; a header claiming more is not ours.
constexpr quint32 LargestSide = 8192;

QByteArray hashOf(const QByteArray &key)
{
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256);
}

} // namespace

QString DefaultSplashPicturePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("splash.picture"));
}

QImage ReadSplashPicture(const QString &path, const QByteArray &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < HeaderLength) {
        return {};
    }
    QDataStream in(file.read(HeaderLength));
    QByteArray magic(MagicLength, '\0');
    QByteArray hash(HashLength, '\0');
    quint32 width = 0;
    quint32 height = 0;
    quint32 scale = 0;
    in.readRawData(magic.data(), MagicLength);
    in.readRawData(hash.data(), HashLength);
    in >> width >> height >> scale;
    if (in.status() != QDataStream::Ok || magic != QByteArrayView(Magic, MagicLength)
        || hash != hashOf(key) || width == 0 || height == 0 || width > LargestSide
        || height > LargestSide || scale == 0) {
        return {};
    }
    QImage picture(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull() || file.size() - HeaderLength != picture.sizeInBytes()
        || file.read(reinterpret_cast<char *>(picture.bits()), picture.sizeInBytes())
            != picture.sizeInBytes()) {
        return {};
    }
    picture.setDevicePixelRatio(scale / 1000.0);
    return picture;
}

bool WriteSplashPicture(const QString &path, const QByteArray &key, const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pixels.isNull() || pixels.bytesPerLine() != pixels.width() * 4
        || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.writeRawData(Magic, MagicLength);
    out.writeRawData(hashOf(key).constData(), HashLength);
    out << quint32(pixels.width()) << quint32(pixels.height())
        << quint32(qRound(pixels.devicePixelRatio() * 1000));
    out.writeRawData(reinterpret_cast<const char *>(pixels.constBits()), int(pixels.sizeInBytes()));
    return out.status() == QDataStream::Ok && file.commit();
}
