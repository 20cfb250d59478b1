// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXIFORIENTATION_H
#define EXIFORIENTATION_H

#include <QByteArray>
#include <QImage>

// The orientation a picture carries, as EXIF and TIFF number it: 1 upright, 2 mirrored, 3 upside
// down, 4 flipped, 5 to 8 the four turned by a quarter (6: the top is on the right, to be turned
// clockwise; 8: on the left).
namespace ExifOrientation {

constexpr int Upright = 1;

// The Orientation tag (0x0112) of the first image directory of an EXIF block: a TIFF header and
// its directories, with or without the "Exif\0\0" that JPEG and WebP put before it. Upright when
// the block has no such tag or is broken; reads only inside the block.
int fromExif(const QByteArray &exif);

// The picture turned and mirrored upright from the given orientation; unchanged for 1 and for
// values that are none of the eight.
QImage applied(const QImage &image, int orientation);

} // namespace ExifOrientation

#endif // EXIFORIENTATION_H
