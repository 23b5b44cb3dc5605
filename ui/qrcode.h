#pragma once

#include <QImage>
#include <QString>

namespace veltra {

// The QR code of `text` (an address a phone camera opens), black modules on white with the
// quiet zone of four modules around them, each module `moduleSize` pixels wide. A null image
// when the text does not fit a QR code.
QImage QrCodeImage(const QString& text, int moduleSize);

} // namespace veltra
