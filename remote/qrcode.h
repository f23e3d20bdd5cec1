#pragma once

#include <QImage>
#include <QString>

// `text` as a QR code (error correction level M), black on white with the quiet zone round it,
// each module `scale` pixels wide; a null image when it does not fit in a QR code.
QImage QrCodeImage(const QString &text, int scale);
