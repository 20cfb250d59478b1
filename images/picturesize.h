// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PICTURESIZE_H
#define PICTURESIZE_H

#include <QSize>
#include <QtGlobal>

// The sizes every decoder keeps to: what a picture is decoded at, and what a file may declare.
namespace PictureSize {

// The size of the same shape as declared that covers size x size, never larger than declared
// either way: what a picture that the decoder can reduce is decoded at.
QSize reduced(const QSize &declared, int size);

// Whether a file of fileBytes bytes may declare a picture of this size. A file holds at most so
// many pixels a byte, however well it is compressed: one declaring more is broken or built to
// stall its reader, and is refused before anything is decoded. Bounds the pixels of any picture
// too, since even one decoded row by row costs time by its pixels.
bool affordable(const QSize &declared, qint64 fileBytes);

// The toolkit's limit on the memory of one decoded image, in bytes; the largest number when it is
// off. The guard for whatever must be held whole.
qint64 allocationLimitBytes();

// Bytes of an image of this size at 32 bits a pixel, which is what every picture becomes.
qint64 imageBytes(const QSize &size);

} // namespace PictureSize

#endif // PICTURESIZE_H
