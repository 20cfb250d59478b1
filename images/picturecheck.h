// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PICTURECHECK_H
#define PICTURECHECK_H

#include <QImage>
#include <QString>

class QIODevice;

// The checks a picture file passes before it is decoded, and the decoding itself: anything that is
// not a whole, readable picture of a sane size gives a null image, never a hang or a huge
// allocation.
namespace PictureCheck {

// Decodes the picture in filename, at a reduced size where the format allows that cheaply (never
// below size x size pixels), or returns a null image.
QImage decodePicture(const QString &filename, int size);

// The structure walks behind decodePicture, open for testing them on their own.

struct JpegLayout
{
    bool complete = false; // every segment is whole and the image ends in its EOI marker
    bool progressive = false;
};

// Walks the markers of a JPEG stream from the device's position, which must be at its SOI marker,
// up to its EOI marker.
JpegLayout walkJpeg(QIODevice *device);

// Whether a PNG file, read from the start of a random-access device, holds every chunk it starts
// up to its IEND chunk.
bool pngIsWhole(QIODevice *device);

} // namespace PictureCheck

#endif // PICTURECHECK_H
