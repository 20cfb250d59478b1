// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PNGDECODER_H
#define PNGDECODER_H

#include <QImage>

class QIODevice;

// Decodes a PNG, interlaced or not, row by row into a reduced picture, never holding the picture
// at full size, and turns it upright by the EXIF orientation it carries.
namespace PngDecoder {

// The picture on the device (at its start) reduced to cover size x size, or a null image when it
// is no whole, readable PNG or declares more than its bytes can hold.
QImage decode(QIODevice *device, int size);

} // namespace PngDecoder

#endif // PNGDECODER_H
