// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PICTURECHECK_H
#define PICTURECHECK_H

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// The checks a picture file passes before it is decoded, and the decoding itself: anything that is
// not a whole, readable picture of a size its bytes can hold gives a null image, never a hang or a
// huge allocation. Every check reads a bounded part of the file, whatever its length.
namespace PictureCheck {

// Decodes the picture in filename at a reduced size where the format allows that (never below
// size x size pixels), upright by the orientation it carries, or returns a null image.
QImage decodePicture(const QString &filename, int size);

// The structure walks behind decodePicture, open for testing them on their own.

struct JpegLayout
{
    bool complete = false; // every segment is whole and the image ends in its EOI marker
    bool progressive = false;
    QSize size; // as its frame header declares it
    qint64 bytes = 0; // from the SOI marker to the end of the EOI marker, when complete
};

// Walks the markers of a JPEG stream from the device's position, which must be at its SOI marker,
// up to its EOI marker. A marker must follow the SOI marker at once, and the entropy-coded data
// may be no longer than its pixels could need.
JpegLayout walkJpeg(QIODevice *device);

// Whether a PNG file, read from the start of a random-access device, holds every chunk it starts
// up to its IEND chunk, each with a valid type.
bool pngIsWhole(QIODevice *device);

// Whether a BMP file, read from the start of a random-access device, holds all the pixel data its
// header declares.
bool bmpIsWhole(QIODevice *device);

// Whether a GIF file, read from the start of a random-access device, ends in its trailer.
bool gifIsWhole(QIODevice *device);

} // namespace PictureCheck

#endif // PICTURECHECK_H
