#include "qrcode.h"

#include <qrencode.h>

#include <QPainter>

#include <memory>

QImage QrCodeImage(const QString &text, int scale)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || scale < 1) {
        return {};
    }
    constexpr int QuietModules = 4;
    const int modules = code->width + 2 * QuietModules;
    QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The low bit of each module says whether it is dark.
            if (code->data[y * code->width + x] & 1) {
                painter.fillRect((x + QuietModules) * scale, (y + QuietModules) * scale, scale,
                    scale, Qt::black);
            }
        }
    }
    return image;
}
